#include "chat/FrmChecker.h"

#include "chat/ChatLook.h"
#include "common/AppIcon.h"
#include "common/WindowMetrics.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

namespace {

constexpr LineColor kGreen = Rgb(0, 255, 0);

}  // namespace

FrmChecker::FrmChecker(QWidget *parent)
    : ChatWindow(kGreen, kGreen, parent)
{
    setObjectName(QStringLiteral("FrmChecker"));
    setWindowTitle(QStringLiteral("Chat with Orvia - The bot with a personality!!!"));
    setWindowIcon(AppIcon());
    // Fixed frame: minimise stays, maximise is switched off.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(TwipsSize(5124, 5220, this));
    SetColors(this, Qt::black, QColor(0, 255, 0));

    Label1 = new QLabel(QStringLiteral("Orvia - The Chatterbot"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(ImpactFont(28.2));
    SetColors(Label1, Qt::black, QColor(0, 255, 0));
    PlaceTwips(Label1, 0, 0, 5076, 708);
    FitCaption(Label1);

    CreateChatControls(this, this);

    // Lines are written green; the default format is green too, so that the
    // transcript stays readable after the watch word's plain rewrite.
    SetColors(ResponseArea, Qt::black, QColor(0, 255, 0));
    ResponseArea->setFont(ImpactFont(9));
    ResponseArea->setFrameShape(QFrame::Box);
    PlaceTwips(ResponseArea, 48, 672, 5028, 4044);
    ResponseArea->setToolTip(QStringLiteral("This is where Orvias replies along with your questions will go."));

    Label2 = new QLabel(QStringLiteral("Say:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(MsSansSerifFont(12, true));
    SetColors(Label2, Qt::black, QColor(0, 192, 0));
    PlaceTwips(Label2, 48, 4800, 588, 396);
    FitCaption(Label2);
    Label2->setToolTip(QStringLiteral("Say:"));

    InputArea->setFont(ImpactFont(7.8));
    SetColors(InputArea, Qt::black, QColor(0, 255, 0));
    SetSolidLook(InputArea, "QLineEdit", Qt::black, QColor(0, 255, 0), QColor(0, 192, 0));
    PlaceTwips(InputArea, 624, 4800, 4452, 384);
    InputArea->setToolTip(QStringLiteral("Type in what you want to say to Orvia and then hit the \"Enter\" key. "
                                         "She will then reply to you (hopefully)."));

    setTabOrder(InputArea, ResponseArea);
}

void FrmChecker::FocusOnOpen()
{
    InputArea->setFocus();
}
