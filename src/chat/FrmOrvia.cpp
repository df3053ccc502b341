#include "chat/FrmOrvia.h"

#include "chat/ChatLook.h"
#include "common/AppIcon.h"
#include "common/WindowMetrics.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

FrmOrvia::FrmOrvia(QWidget *parent)
    : ChatWindow(Rgb(0, 0, 0), Rgb(0, 0, 0), parent)
{
    setObjectName(QStringLiteral("FrmOrvia"));
    setWindowTitle(QStringLiteral("Text-Only Version of Orvia "));
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    // Sizable, but the controls keep their places.
    resize(TwipsSize(4524, 3888, this));

    Label2 = new QLabel(QStringLiteral("Text-Only Orvia"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(ImpactFont(36));
    PlaceTwips(Label2, 12, 96, 4452, 900);
    FitCaption(Label2);

    CreateChatControls(this, this);
    ResponseArea->setFont(MsSansSerifFont(8.25));
    PlaceTwips(ResponseArea, 48, 960, 4428, 2460);

    say = new QLabel(QStringLiteral("Say:"), this);
    say->setObjectName(QStringLiteral("say"));
    say->setFont(ImpactFont(10.2));
    PlaceTwips(say, 48, 3504, 348, 252);
    FitCaption(say);

    PlaceTwips(InputArea, 432, 3456, 3996, 348);

    setTabOrder(ResponseArea, InputArea);
}

void FrmOrvia::FocusOnOpen()
{
    // The transcript holds the focus; the user clicks or tabs into the box.
    ResponseArea->setFocus();
}
