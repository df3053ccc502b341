#pragma once

#include "chat/ChatWindow.h"

#include <functional>

class QLabel;

// The graphical chat window: the bot's picture beside the transcript.
class KezWindow : public ChatWindow {
    Q_OBJECT

public:
    // Returns the main window, creating it when it does not exist yet; it is
    // maximised when this window unloads. Without one, a top-level window
    // named "FrmMain" is looked up.
    using MainWindowSource = std::function<QWidget *()>;

    explicit KezWindow(MainWindowSource mainWindow = {}, QWidget *parent = nullptr);

    void AddTiptoResponse(const QString &sText);
    void ShowDisplayBox();
    void ShowTextBox();

    QLabel *PicKez = nullptr;
    QWidget *TextWindow = nullptr;
    QWidget *DisplayWindow = nullptr;

protected:
    void FocusOnOpen() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MainWindowSource m_mainWindow;
    // The key press last seen by a control, so that one passed on to the
    // window is told from one sent to the window itself.
    const QEvent *m_pControlKey = nullptr;
};
