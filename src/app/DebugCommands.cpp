#include "app/DebugCommands.h"

#include "chat/TraceLines.h"
#include "common/modPublic.h"
#include "engine/EngineErrors.h"
#include "engine/KeywordSearch.h"
#include "engine/ResponseSelection.h"

namespace DebugCommands {

namespace {

const QString kSimulatedAt = QStringLiteral("Debugging Menu -> Simulate");

QString AskSentence(DebugView &view)
{
    return view.Ask(QStringLiteral("Please enter a test sentence"), QStringLiteral("Testing Answering System"));
}

void ShowFailures(DebugView &view, const QList<FailureNotice> &notices)
{
    for (const FailureNotice &notice : notices)
        view.ShowFailure(notice);
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

LogWriteStatus Reported(DebugView &view, const LogWriteStatus &status)
{
    if (!status)
        view.ShowFailure(status.Notice());
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

LogWriteStatus SimulateEvent(DebugView &view)
{
    view.Tell(QStringLiteral("An Event is being written to the event log..."));
    return Reported(view, WriteEventLog({QStringLiteral("Test Event"), kSimulatedAt,
                                   QStringLiteral(" A Test Event with Priority 1 has been added to the event log")},
                                  1));
}

LogWriteStatus SimulateError(DebugView &view)
{
    view.Tell(QStringLiteral("An Error is being written to the Error log..."));
    // The description says "event log" too: that is the entry's wording.
    return Reported(view, WriteErrorLog({QStringLiteral("Test Error"), kSimulatedAt,
                                   QStringLiteral(" A Test Error with Priority 1 has been added to the event log")}));
}

QString RunLookupTest(DebugView &view, bool withTrace)
{
    const QString sSentence = AskSentence(view);
    ApplyDefaultUserName();
    if (sSentence.isEmpty())
        return QString();
    ReplyTrace trace;
    trace.sIndex = modPublic::KeywordIndexFile;
    EngineFailure failure;
    const KeywordMatch match = KeywordSearch(sSentence, &trace.nKeywordLine, &failure);
    trace.Note(trace.sIndex, failure);
    ResponseEntry entry;
    if (!match.sFile.isEmpty()) {
        Conversation conversation = LookupConversation();
        entry = GetRandomEntryFromFile(match, StatementsAndQuestions, conversation);
        trace.match = match;
        trace.nEntryLine = entry.nLine;
        trace.Note(QString(), entry.failure);
    }
    ShowFailures(view, EngineErrors::Notices(trace.failures));
    view.Tell(withTrace ? (QStringList{entry.sText, QString()} + LookupTraceLines(trace)).join(u'\n') : entry.sText);
    return entry.sText;
}

LogWriteStatus KeywordLookup(DebugView &view, bool withTrace)
{
    view.Tell(QStringLiteral("A Keyword lookup is being simulated..."));
    const QString sReply = RunLookupTest(view, withTrace);
    return Reported(view, WriteEventLog({QStringLiteral("Test Result"), QStringLiteral("Debug Menu --> Test"), sReply}, 1));
}

std::optional<KeywordMatch> AskMassLookupMatch(DebugView &view)
{
    const QString sSentence = AskSentence(view);
    ApplyDefaultUserName();
    if (sSentence.isEmpty())
        return std::nullopt;
    EngineFailure failure;
    KeywordMatch match = KeywordSearch(sSentence, nullptr, &failure);
    ShowFailures(view, EngineErrors::Notices(failure));
    if (match.sFile.isEmpty())
        return std::nullopt;
    return match;
}

QString MassLookupText(DebugView &view, const KeywordMatch &match)
{
    QString sText = QStringLiteral(" Generating responses for '") + match.sKeyword + QStringLiteral("'...\r\n");
    Conversation conversation = LookupConversation();
    for (int n = 1; n <= MassLookupCount; ++n) {
        const ResponseEntry entry = GetRandomEntryFromFile(match, StatementsAndQuestions, conversation);
        ShowFailures(view, EngineErrors::Notices(entry.failure));
        sText += QStringLiteral("\r\n") + QString::number(n) + QStringLiteral(" - ") + entry.sText;
    }
    return sText;
}

}  // namespace DebugCommands
