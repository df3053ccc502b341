#include "chat/SelfConversation.h"

#include "common/modPublic.h"
#include "engine/EngineErrors.h"
#include "engine/Reply.h"

SelfConversation::SelfConversation(SelfTalkView &view, LineColor color)
    : m_view(view)
    , m_color(color)
{
}

void SelfConversation::Load()
{
    m_view.SetTimerEnabled(true);
    m_conversation.Restart(QStringLiteral("Orvia"));
    modPublic::UserName = m_conversation.sUserName;  // the debugging commands' lookups name it after the window closes
    CurrentLine = QStringLiteral("Hello Orvia");
    FirstVoiceNext = false;
    m_view.ClearTranscript();
    m_view.AddColoredText(QStringLiteral("<Orvia1> ") + CurrentLine, m_color);
}

SelfConversation::TickResult SelfConversation::Tick()
{
    if (m_bInTick)
        return TickResult::Skipped;
    m_bInTick = true;

    if (m_view.TranscriptLength() > kMaxTranscript)
        m_view.ClearTranscript();
    const ReplyResult reply = GetReply(m_conversation, CurrentLine);
    m_view.ShowFailures(EngineErrors::Notices(reply.trace.failures));
    CurrentLine = reply.sText;
    const QString sPrefix = FirstVoiceNext ? QStringLiteral("<Orvia1> ") : QStringLiteral("<Orvia2> ");
    m_view.AddColoredText(sPrefix + CurrentLine, m_color);
    FirstVoiceNext = !FirstVoiceNext;

    m_bInTick = false;
    if (reply.Failed()) {
        // Pause after the one report instead of repeating it every two seconds.
        m_view.SetTimerEnabled(false);
        return TickResult::Failed;
    }
    return TickResult::Written;
}

void SelfConversation::StartStop()
{
    m_view.SetTimerEnabled(!m_view.TimerEnabled());
}
