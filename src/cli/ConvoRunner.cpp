#include "cli/ConvoRunner.h"

#include "chat/TraceLines.h"
#include "cli/AnswerKey.h"
#include "cli/ConvoChat.h"
#include "cli/PossibleReplies.h"
#include "common/KnowledgeLayout.h"
#include "engine/TextFold.h"

#include <functional>
#include <optional>

namespace {

struct Verdict {
    QString sExpected;
    QString sGot;
    QStringList entries;  // of a check of the text: the entries that break it
};

// The entries of the block that break the rule, each named by its file and line.
QStringList Offenders(const PossibleReplies &replies, const QString &sFile, const std::function<bool(const PossibleReplies::Entry &)> &breaks)
{
    QStringList named;
    for (const PossibleReplies::Entry &e : replies.entries)
        if (breaks(e))
            named << QStringLiteral("%1:%2: %3").arg(Trace::InData(sFile)).arg(e.nLine).arg(Trace::Quoted(e.sText));
    return named;
}

std::optional<Verdict> JudgeText(const Expectation &e, const PossibleReplies &replies, const QString &sFile)
{
    const QString sQuoted = Trace::Quoted(e.sText);
    QString sExpected;
    std::function<bool(const PossibleReplies::Entry &)> breaks;
    const char *sWhich = "without it";
    // In any case as the search folds it, so "STRASSE" holds "straße".
    const QString sFolded = TextFold::Folded(e.sText);
    const auto holds = [&sFolded](const PossibleReplies::Entry &x) { return TextFold::Folded(x.sText).contains(sFolded); };
    switch (e.kind) {
    case Expectation::Holds:
        sExpected = QStringLiteral("every entry to hold ") + sQuoted;
        breaks = [&](const PossibleReplies::Entry &x) { return x.failed || !holds(x); };
        break;
    case Expectation::HoldsNot:
        sExpected = QStringLiteral("no entry to hold ") + sQuoted;
        breaks = [&](const PossibleReplies::Entry &x) { return x.failed || holds(x); };
        sWhich = "with it";
        break;
    default:
        sExpected = QStringLiteral("every entry to be ") + sQuoted;
        breaks = [&](const PossibleReplies::Entry &x) { return x.failed || x.sText != e.sText; };
        sWhich = "that differ";
        break;
    }
    if (!replies.sProblem.isEmpty())
        return Verdict{sExpected, QStringLiteral("no entry: ") + replies.sProblem, {}};
    const QStringList entries = Offenders(replies, sFile, breaks);
    if (entries.isEmpty())
        return std::nullopt;
    const QString sGot = QStringLiteral("%1 of %2 entries %3").arg(entries.size()).arg(replies.entries.size()).arg(QLatin1String(sWhich));
    return Verdict{sExpected, sGot, entries};
}

bool HoldsLine(const Expectation &e, const AnswerKey &key)
{
    return !key.watchWord && key.nLine > 0 && SameFileName(key.sIndex, e.sText) && (e.nLine == 0 || e.nLine == key.nLine);
}

QString FollowUpGot(const QString &sNext)
{
    return sNext.isEmpty() ? QStringLiteral("no follow-up") : QStringLiteral("follow-up ") + sNext;
}

// What does not hold of the expectation, or nothing. The possible replies are
// read only for a check of the text.
std::optional<Verdict> Judge(const Expectation &e, const TurnOutcome &outcome, std::optional<PossibleReplies> &replies)
{
    const AnswerKey key = AnswerKey::Of(outcome);
    const QString sExpected = ExpectationText(e);
    const QString sAnswered = key.Describe();
    switch (e.kind) {
    case Expectation::Code: {
        const bool holds = key.sCode == e.sText && (e.sFile.isEmpty() || SameFileName(key.sFile, e.sFile));
        return holds ? std::nullopt : std::optional<Verdict>({sExpected, sAnswered, {}});
    }
    case Expectation::Line:
        return HoldsLine(e, key) ? std::nullopt : std::optional<Verdict>({sExpected, sAnswered, {}});
    case Expectation::FollowUp: {
        const QString &sNext = outcome.trace.sNextFollowUp;
        return SameFileName(sNext.trimmed(), e.sText) ? std::nullopt : std::optional<Verdict>({sExpected, FollowUpGot(sNext), {}});
    }
    case Expectation::Fallback:
        return key.fallback ? std::nullopt : std::optional<Verdict>({sExpected, sAnswered, {}});
    case Expectation::Any:
        return key.sFailure.isEmpty() ? std::nullopt : std::optional<Verdict>({QStringLiteral("any answer"), sAnswered, {}});
    case Expectation::Holds:
    case Expectation::HoldsNot:
    case Expectation::Equals:
        if (!replies)
            replies = PossibleReplies::Of(outcome.trace.match, outcome.sUserName);
        return JudgeText(e, *replies, outcome.trace.match.sFile);
    }
    return std::nullopt;
}

ConvoFailure FailureOf(const Expectation &e, const Verdict &verdict, const ConvoTurn &turn, const TurnOutcome &outcome)
{
    const QStringList trace = outcome.watchWord ? QStringList{QStringLiteral("the watch-word shortcut, code %1 of data/%2").arg(KnowledgeLayout::kWatchWordAnswer.code, KnowledgeLayout::kWatchWordAnswer.file)}
                                                : TraceLines(outcome.trace, outcome.sPreviousKeyword);
    return ConvoFailure{e.nSourceLine, verdict.sExpected, verdict.sGot, verdict.entries, turn.sSay, outcome.sReply, trace};
}

}  // namespace

void ConvoRunner::Run(const QString &sFile, const ConvoFile &file)
{
    ConvoChat chat;
    for (const ScriptedConversation &conversation : file.Conversations()) {
        ConvoCase result{sFile, conversation.nSourceLine, conversation.turns.first().sSay, int(conversation.turns.size()), 0, {}};
        chat.Start();
        if (conversation.hasName)
            chat.GiveName(conversation.sName);
        for (const ConvoTurn &turn : conversation.turns) {
            const TurnOutcome outcome = chat.Say(turn.sSay);
            std::optional<PossibleReplies> replies;
            for (const Expectation &e : turn.expectations) {
                ++result.nExpectations;
                if (const std::optional<Verdict> verdict = Judge(e, outcome, replies))
                    result.failures.append(FailureOf(e, *verdict, turn, outcome));
            }
        }
        m_cases.append(result);
    }
}

int ConvoRunner::Turns() const
{
    int n = 0;
    for (const ConvoCase &c : m_cases)
        n += c.nTurns;
    return n;
}

int ConvoRunner::Expectations() const
{
    int n = 0;
    for (const ConvoCase &c : m_cases)
        n += c.nExpectations;
    return n;
}

int ConvoRunner::Failed() const
{
    int n = 0;
    for (const ConvoCase &c : m_cases)
        n += int(c.failures.size());
    return n;
}
