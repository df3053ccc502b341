#include "chat/KezOnKez.h"

#include "chat/ChatLook.h"
#include "common/AppIcon.h"
#include "common/WindowMetrics.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

KezOnKez::KezOnKez(QWidget *parent)
    : SelfTalkWindow(Rgb(0, 255, 0), parent)
{
    const QColor green(0, 255, 0);
    setObjectName(QStringLiteral("KezOnKez"));
    setWindowTitle(QStringLiteral("Orvia and Orvia"));
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(TwipsSize(5232, 4020, this));
    SetColors(this, Qt::black, green);

    Label1->setText(QStringLiteral("Orvia and Orvia"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(ImpactFont(36));
    SetColors(Label1, Qt::black, green);
    PlaceTwips(Label1, 96, 48, 5052, 828);
    FitCaption(Label1);

    SetColors(Area, Qt::black, green);
    Area->setFont(ImpactFont(10.2));
    Area->setFrameShape(QFrame::Box);
    PlaceTwips(Area, 48, 912, 5124, 2700);

    Command1->setFont(ImpactFont(9));
    SetColors(Command1, green, Qt::black);
    SetSolidLook(Command1, "QPushButton", green, Qt::black, Qt::black);
    PlaceTwips(Command1, 960, 3600, 3315, 405);
}
