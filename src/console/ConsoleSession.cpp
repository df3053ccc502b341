#include "console/ConsoleSession.h"

#include "console/Console.h"

void ConsoleSession::Load()
{
    m_sTranscript = Greeting;
}

std::optional<ConsoleSession::PromptFix> ConsoleSession::KeepPrompt(const QString &sLine)
{
    if (sLine.size() >= 2)
        return std::nullopt;
    return PromptFix{Prompt, int(Prompt.size())};
}

std::optional<QString> ConsoleSession::Enter(const QString &sLine, LogWriteStatus *failure)
{
    const std::optional<QString> sReply = Console::ParseClientCommand(sLine.mid(2), failure);
    if (!sReply)
        return std::nullopt;
    const QString sAdded = QStringLiteral("\r\n\r\n") + sLine + QStringLiteral("\r\n") + *sReply;
    m_sTranscript += sAdded;
    return sAdded;
}
