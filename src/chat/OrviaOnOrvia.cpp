#include "chat/OrviaOnOrvia.h"

#include "chat/ChatLook.h"
#include "common/AppIcon.h"
#include "common/WindowMetrics.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

OrviaOnOrvia::OrviaOnOrvia(QWidget *parent)
    : SelfTalkWindow(Rgb(0, 0, 0), parent)
{
    setObjectName(QStringLiteral("OrviaOnOrvia"));
    setWindowTitle(QStringLiteral("Text Only Version of Orvia and Orvia"));
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(TwipsSize(5256, 3276, this));

    Label1->setText(QStringLiteral("Text-Only Orvia and Orvia"));
    Label1->setFont(ImpactFont(25.8));
    PlaceTwips(Label1, 0, 0, 5340, 636);
    FitCaption(Label1);

    Area->setFont(MsSansSerifFont(8.25));
    PlaceTwips(Area, 48, 624, 5148, 2316);

    PlaceTwips(Command1, 2064, 2976, 1308, 300);
}
