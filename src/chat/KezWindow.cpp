#include "chat/KezWindow.h"

#include "chat/ChatLook.h"
#include "chat/KezPicture.h"
#include "common/AppIcon.h"
#include "common/Dialogs.h"
#include "common/WindowMetrics.h"

#include <QApplication>
#include <QFrame>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTextEdit>

namespace {

QWidget *FindMainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("FrmMain"))
            return widget;
    return nullptr;
}

// The key codes users of the original keyboard layout know: letters and
// digits as their capitals, function and cursor keys by their usual numbers.
int KeyCode(const QKeyEvent *event)
{
    const int key = event->key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Space)
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_Escape: return 27;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return key;
    }
}

}  // namespace

KezWindow::KezWindow(MainWindowSource mainWindow, QWidget *parent)
    : ChatWindow(Rgb(0, 0, 0), Rgb(0, 0, 255), parent)
    , m_mainWindow(std::move(mainWindow))
{
    setObjectName(QStringLiteral("KezWindow"));
    setWindowTitle(QStringLiteral("Meet Kez"));
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(TwipsSize(6612, 3444, this));

    PicKez = new QLabel(this);
    PicKez->setObjectName(QStringLiteral("PicKez"));
    PicKez->setPixmap(QPixmap::fromImage(KezPicture()));
    PicKez->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetColors(PicKez, Qt::white, Qt::black);
    PicKez->setFocusPolicy(Qt::StrongFocus);
    PlaceTwips(PicKez, 0, 0, 6615, 3435);

    TextWindow = new QWidget(PicKez);
    TextWindow->setObjectName(QStringLiteral("TextWindow"));
    TextWindow->setBackgroundRole(QPalette::Base);
    TextWindow->setAutoFillBackground(true);
    PlaceTwips(TextWindow, 1740, 210, 4515, 2895);

    CreateChatControls(TextWindow, TextWindow);
    ResponseArea->setFont(MsSansSerifFont(8.25));
    PlaceTwips(ResponseArea, 0, 30, 4395, 2295);
    PlaceTwips(InputArea, 30, 2430, 4305, 285);

    DisplayWindow = new QWidget(PicKez);
    DisplayWindow->setObjectName(QStringLiteral("DisplayWindow"));
    SetColors(DisplayWindow, Qt::white, Qt::black);
    DisplayWindow->setFocusPolicy(Qt::StrongFocus);
    PlaceTwips(DisplayWindow, 1740, 210, 4545, 2925);
    DisplayWindow->hide();

    // InputArea already reports to the window (ChatWindow).
    for (QWidget *widget : {static_cast<QWidget *>(PicKez), TextWindow, DisplayWindow, static_cast<QWidget *>(ResponseArea)})
        widget->installEventFilter(this);
    setTabOrder(ResponseArea, InputArea);
    setTabOrder(InputArea, PicKez);
}

void KezWindow::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        // Both panes are borderless plain areas; the display pane starts hidden.
        DisplayWindow->hide();
        TextWindow->show();
    }
    ChatWindow::showEvent(event);
}

void KezWindow::FocusOnOpen()
{
    // The transcript comes first in the tab order, but hands its focus on.
    InputArea->setFocus();
}

void KezWindow::hideEvent(QHideEvent *event)
{
    ChatWindow::hideEvent(event);
    if (event->spontaneous())
        return;
    QWidget *main = m_mainWindow ? m_mainWindow() : FindMainWindow();
    if (main)
        main->showMaximized();
}

void KezWindow::keyPressEvent(QKeyEvent *event)
{
    // Keys typed into the controls stay theirs, also those they pass on
    // unused; only keys that come to the window itself are shown.
    const bool bFromControl = event == m_pControlKey;
    m_pControlKey = nullptr;
    if (bFromControl) {
        ChatWindow::keyPressEvent(event);
        return;
    }
    InputArea->setFocus();
    Dialogs::MsgBox(QString::number(KeyCode(event)));
}

bool KezWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn
        && (watched == PicKez || watched == DisplayWindow || watched == ResponseArea)) {
        InputArea->setFocus();
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched != this)
        m_pControlKey = event;
    else if (event->type() == QEvent::KeyRelease)
        m_pControlKey = nullptr;
    return ChatWindow::eventFilter(watched, event);
}

void KezWindow::AddTiptoResponse(const QString &sText)
{
    AddColoredText(sText, Rgb(255, 0, 255));
}

void KezWindow::ShowDisplayBox()
{
    TextWindow->hide();
    DisplayWindow->show();
}

void KezWindow::ShowTextBox()
{
    TextWindow->show();
    DisplayWindow->hide();
}
