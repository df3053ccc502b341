#pragma once

#include "chat/ChatView.h"
#include "chat/SelfConversation.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;

// What the two self-conversation windows share: the transcript, the
// "Start/Stop" button and the two-second timer.
class SelfTalkWindow : public QDialog, public SelfTalkView {
    Q_OBJECT

public:
    SelfConversation &Talk() { return m_talk; }

    // SelfTalkView
    void AddColoredText(const QString &sText, LineColor sColor) override;
    void AddtoResponseArea(const QString &sText) override;
    void ClearTranscript() override;
    qsizetype TranscriptLength() const override;
    void SetTimerEnabled(bool bEnabled) override;
    bool TimerEnabled() const override;

    QLabel *Label1 = nullptr;
    QTextEdit *Area = nullptr;
    QPushButton *Command1 = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    SelfTalkWindow(LineColor color, QWidget *parent);

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    SelfConversation m_talk;
};
