#pragma once

#include "chat/ChatView.h"
#include "chat/ConversationTurn.h"

#include <QString>

// A chat view with no window, over the chat windows' own ConversationTurn: the
// input box holds one line at a time and the transcript keeps only its length.
class LineChatView : public ChatView {
public:
    void ClearTranscript() override;
    qsizetype TranscriptLength() const override;
    QString InputText() const override;
    void SetInputText(const QString &sText) override;
    // Nothing shown: a windowless chat reads the failures from the turn's trace.
    void ShowFailure(const FailureNotice &) override {}

protected:
    // Distinct colours, so that the user's echo lines can be told from the bot's.
    static constexpr LineColor kBotColor = Rgb(0, 0, 0);
    static constexpr LineColor kUserColor = Rgb(0, 0, 255);

    LineChatView();
    // Puts a whole line into the box, its first key pressed first, as the turn
    // may clear the box on it. False when the watch-word shortcut took the line,
    // which leaves nothing for Enter.
    bool TypeLine(const QString &sLine);
    void CountLine(const QString &sText) { m_nLength += 2 + sText.size(); }

    ConversationTurn m_turn;

private:
    QString m_sInput;
    qsizetype m_nLength = 0;
};
