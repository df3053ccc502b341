#pragma once

#include "chat/ChatView.h"
#include "chat/ConversationTurn.h"

#include <QDialog>

class QLineEdit;
class QTextEdit;

// What the three chat windows share: the transcript, the input box and the
// conversation behind them. Each window only builds and styles its controls.
class ChatWindow : public QDialog, public ChatView {
    Q_OBJECT

public:
    ConversationTurn &Turn() { return m_turn; }

    // ChatView
    void AddColoredText(const QString &sText, LineColor sColor) override;
    void AddtoResponseArea(const QString &sText) override;
    void ClearTranscript() override;
    qsizetype TranscriptLength() const override;
    QString InputText() const override;
    void SetInputText(const QString &sText) override;

    QTextEdit *ResponseArea = nullptr;
    QLineEdit *InputArea = nullptr;

protected:
    ChatWindow(LineColor botColor, LineColor userColor, QWidget *parent);

    // Creates both controls under the parents given (the window's own layout
    // places them) and wires them to the conversation.
    void CreateChatControls(QWidget *responseParent, QWidget *inputParent);
    // Where the focus goes when the window opens.
    virtual void FocusOnOpen() = 0;

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    ConversationTurn m_turn;
};
