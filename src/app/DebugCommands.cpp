#include "app/DebugCommands.h"

#include "chat/TraceLines.h"
#include "common/Dialogs.h"
#include "common/modPublic.h"
#include "engine/ModFunctions.h"

namespace DebugCommands {

namespace {

const QString kSimulatedAt = QStringLiteral("Debugging Menu -> Simulate");

QString AskSentence()
{
    return Dialogs::InputBox(QStringLiteral("Please enter a test sentence"), QStringLiteral("Testing Answering System"));
}

void ApplyDefaultUserName()
{
    if (modPublic::UserName.isEmpty())
        modPublic::UserName = DefaultUserName;
}

// A lookup is a conversation of its own, with the user of the last chat: it
// leaves nothing pending for a chat, and no chat steers it.
Conversation LookupConversation()
{
    Conversation conversation;
    conversation.sUserName = modPublic::UserName;
    return conversation;
}

LogWriteStatus Reported(const LogWriteStatus &status)
{
    ReportLogFailure(status);
    return status;
}

// The trace of a lookup, which draws an entry without the fallback when nothing matched.
QStringList LookupTraceLines(const ReplyTrace &trace)
{
    QStringList lines = TraceLines(trace, QString());
    if (trace.match.sFile.isEmpty())
        lines.removeLast();  // no fallback block answered: the lookup shows nothing then
    return lines;
}

}  // namespace

LogWriteStatus SimulateEvent()
{
    Dialogs::MsgBox(QStringLiteral("An Event is being written to the event log..."));
    return Reported(WriteEventLog({QStringLiteral("Test Event"), kSimulatedAt,
                                   QStringLiteral(" A Test Event with Priority 1 has been added to the event log")},
                                  1));
}

LogWriteStatus SimulateError()
{
    Dialogs::MsgBox(QStringLiteral("An Error is being written to the Error log..."));
    // The description says "event log" too: that is the entry's wording.
    return Reported(WriteErrorLog({QStringLiteral("Test Error"), kSimulatedAt,
                                   QStringLiteral(" A Test Error with Priority 1 has been added to the event log")}));
}

QString RunLookupTest(bool withTrace)
{
    const QString sSentence = AskSentence();
    ApplyDefaultUserName();
    if (sSentence.isEmpty())
        return QString();
    ReplyTrace trace;
    trace.sIndex = modPublic::KeywordIndexFile;
    QString sFailure;
    const KeywordMatch match = KeywordSearch(sSentence, &trace.nKeywordLine, &sFailure);
    if (!sFailure.isEmpty())
        trace.failures.append({trace.sIndex, sFailure});
    ResponseEntry entry;
    if (!match.sFile.isEmpty()) {
        Conversation conversation = LookupConversation();
        entry = GetRandomEntryFromFile(match, StatementsAndQuestions, conversation);
        trace.match = match;
        trace.nEntryLine = entry.nLine;
        if (!entry.sFailure.isEmpty())
            trace.failures.append({QString(), entry.sFailure});
    }
    Dialogs::MsgBox(withTrace ? (QStringList{entry.sText, QString()} + LookupTraceLines(trace)).join(u'\n') : entry.sText);
    return entry.sText;
}

LogWriteStatus KeywordLookup(bool withTrace)
{
    Dialogs::MsgBox(QStringLiteral("A Keyword lookup is being simulated..."));
    const QString sReply = RunLookupTest(withTrace);
    return Reported(WriteEventLog({QStringLiteral("Test Result"), QStringLiteral("Debug Menu --> Test"), sReply}, 1));
}

std::optional<KeywordMatch> AskMassLookupMatch()
{
    const QString sSentence = AskSentence();
    ApplyDefaultUserName();
    if (sSentence.isEmpty())
        return std::nullopt;
    KeywordMatch match = KeywordSearch(sSentence);
    if (match.sFile.isEmpty())
        return std::nullopt;
    return match;
}

QString MassLookupText(const KeywordMatch &match)
{
    QString sText = QStringLiteral(" Generating responses for '") + match.sKeyword + QStringLiteral("'...\r\n");
    Conversation conversation = LookupConversation();
    for (int n = 1; n <= MassLookupCount; ++n) {
        const ResponseEntry entry = GetRandomEntryFromFile(match, StatementsAndQuestions, conversation);
        sText += QStringLiteral("\r\n") + QString::number(n) + QStringLiteral(" - ") + entry.sText;
    }
    return sText;
}

}  // namespace DebugCommands
