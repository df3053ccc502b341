#pragma once

#include "chat/ChatView.h"
#include "engine/Conversation.h"

#include <QString>

// Orvia answering her own previous line, in two alternating voices.
class SelfConversation {
public:
    // Past this many characters the transcript is emptied before the next line.
    static constexpr qsizetype kMaxTranscript = 40000;

    enum class TickResult { Written, Failed, Skipped };

    SelfConversation(SelfTalkView &view, LineColor color);

    void Load();
    // One more line, after the view has shown the reply's failures. A tick that
    // comes while another is still running (its failure still shown, say) is skipped; a tick whose reply failed pauses the talk.
    TickResult Tick();
    // The "Start/Stop" button.
    void StartStop();

    bool FirstVoiceNext = false;
    QString CurrentLine;

private:
    SelfTalkView &m_view;
    LineColor m_color;
    Conversation m_conversation;
    bool m_bInTick = false;
};
