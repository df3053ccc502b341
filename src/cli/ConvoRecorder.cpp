#include "cli/ConvoRecorder.h"

#include "cli/AnswerKey.h"
#include "cli/ConvoChat.h"
#include "cli/ConvoFile.h"

#include <QStringList>

namespace {

// What holds of the answer today, in the order a reader asks: which block, which line, what next.
QList<Expectation> ExpectationsOf(const TurnOutcome &outcome)
{
    const AnswerKey key = AnswerKey::Of(outcome);
    QList<Expectation> expectations;
    if (key.fallback && !outcome.nameTurn) {
        expectations.append({Expectation::Fallback, QString(), QString(), 0, 0});
        return expectations;
    }
    expectations.append({Expectation::Code, key.sCode, key.sFile, 0, 0});
    if (key.nLine > 0 && !key.watchWord)
        expectations.append({Expectation::Line, key.sIndex, QString(), key.nLine, 0});
    if (!outcome.trace.sNextFollowUp.isEmpty())
        expectations.append({Expectation::FollowUp, outcome.trace.sNextFollowUp.trimmed(), QString(), 0, 0});
    return expectations;
}

// A sentence as a "> " line: a test line holds no line break.
QString SayLine(const QString &sText)
{
    return sText.isEmpty() ? QStringLiteral(">") : QStringLiteral("> ") + sText;
}

}  // namespace

QString ConvoRecorder::Record(const SentencesFile &sentences, const std::optional<QString> &name, const QString &sSource)
{
    QStringList out{QStringLiteral("# Recorded by orvia-test --record from %1: the answers of that day.").arg(sSource)};
    const QList<TurnOutcome> outcomes = ConvoChat::AnswerAll(sentences, name);
    qsizetype nOutcome = 0;
    for (const SentencesFile::Conversation &conversation : sentences.Conversations()) {
        out << QString();
        if (name)
            out << QStringLiteral("name: ") + *name;
        for (const SentencesFile::Sentence &sentence : conversation) {
            for (const QString &sComment : sentence.commentsBefore)
                out << (sComment.isEmpty() ? QStringLiteral("#") : QStringLiteral("# ") + sComment);
            const TurnOutcome &outcome = outcomes[nOutcome++];
            out << SayLine(sentence.sText);
            if (!outcome.trace.failures.isEmpty()) {
                out << QStringLiteral("# failed when recorded: ") + outcome.trace.failures.first().sReason;
                continue;
            }
            for (const Expectation &e : ExpectationsOf(outcome))
                out << QStringLiteral("< ") + ExpectationText(e);
        }
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
