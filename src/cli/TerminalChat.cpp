#include "cli/TerminalChat.h"

#include "common/DataFolder.h"
#include "engine/EngineErrors.h"

#include <QDir>

TerminalChat::TerminalChat(QTextStream &out, Options options)
    : m_out(out)
    , m_options(options)
{
    m_turn.ShowTrace = options.trace;
}

void TerminalChat::Start()
{
    if (m_options.trace)
        WriteLine(QStringLiteral("    knowledge base %1").arg(QDir::toNativeSeparators(DataFolder::DataDir())));
    m_turn.Load();
    m_out.flush();
}

void TerminalChat::GiveName(const QString &sName)
{
    m_turn.GiveName(sName);
    TellFailure();
    m_out.flush();
}

void TerminalChat::Type(const QString &sLine)
{
    // A line comes whole, so the watch word fires only as the whole line.
    if (!TypeLine(sLine)) {
        m_out.flush();
        return;  // taken by the watch-word shortcut
    }
    const bool chatTurn = m_turn.InputMode.isEmpty();
    m_turn.KeyPress(13);
    if (chatTurn)
        m_report.Add(sLine, m_turn.LastTrace);
    TellFailure();
    m_out.flush();
}

QString TerminalChat::Prompt() const
{
    return QLatin1Char('<') + m_turn.State().sUserName + QStringLiteral("> ");
}

void TerminalChat::AddColoredText(const QString &sText, LineColor sColor)
{
    CountLine(sText);
    if (sColor != kUserColor || m_options.echoUserLines)
        WriteLine(sText);
}

void TerminalChat::AddtoResponseArea(const QString &sText)
{
    CountLine(sText);
    WriteLine(sText);
}

void TerminalChat::WriteLine(const QString &sText)
{
    m_out << sText << '\n';
}

void TerminalChat::ShowFailure(const FailureNotice &notice)
{
    if (!m_options.failures || notice.sText == EngineErrors::kApology)
        return;
    *m_options.failures << "orvia-chat: " << notice.sText << '\n';
    m_options.failures->flush();
}

void TerminalChat::TellFailure()
{
    if (!m_options.failures || m_turn.LastTrace.failures.isEmpty())
        return;
    m_out.flush();  // the reasons follow the answer they spoiled
    for (const ReplyTrace::Failure &f : m_turn.LastTrace.failures)
        *m_options.failures << "orvia-chat: " << f.sReason << '\n';
    m_options.failures->flush();
}
