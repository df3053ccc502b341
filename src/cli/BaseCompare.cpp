#include "cli/BaseCompare.h"

#include "chat/TraceLines.h"

#include <algorithm>

namespace {

BaseCompare::Kind KindOf(const AnswerKey &before, const AnswerKey &after)
{
    if (before.fallback && !after.fallback)
        return BaseCompare::NewlyAnswered;
    if (!before.fallback && after.fallback)
        return BaseCompare::NewlyUnanswered;
    return BaseCompare::OtherLine;
}

const char *KindTitle(BaseCompare::Kind kind)
{
    switch (kind) {
    case BaseCompare::NewlyAnswered:
        return "newly answered";
    case BaseCompare::NewlyUnanswered:
        return "newly unanswered";
    case BaseCompare::OtherLine:
        break;
    }
    return "moved to another line";
}

}  // namespace

BaseCompare::BaseCompare(const SentencesFile &sentences, const QList<TurnOutcome> &before, const QList<TurnOutcome> &after)
{
    qsizetype i = 0;
    for (const SentencesFile::Conversation &conversation : sentences.Conversations()) {
        for (const SentencesFile::Sentence &sentence : conversation) {
            if (i >= before.size() || i >= after.size())
                return;
            const AnswerKey a = AnswerKey::Of(before[i]), b = AnswerKey::Of(after[i]);
            ++i;
            ++m_nCompared;
            if (!a.SameAnswer(b))
                m_moves.append({KindOf(a, b), sentence, a, b});
        }
    }
}

int BaseCompare::Count(Kind kind) const
{
    return int(std::count_if(m_moves.begin(), m_moves.end(), [kind](const Move &m) { return m.kind == kind; }));
}

QStringList BaseCompare::ReportLines(const QString &sSentencesFile) const
{
    QStringList lines;
    for (const Kind kind : {NewlyAnswered, NewlyUnanswered, OtherLine}) {
        lines << QStringLiteral("%1: %2").arg(QLatin1String(KindTitle(kind))).arg(Count(kind));
        for (const Move &m : m_moves) {
            if (m.kind != kind)
                continue;
            lines << QStringLiteral("    %1:%2: %3").arg(sSentencesFile).arg(m.sentence.nLine).arg(Trace::Quoted(m.sentence.sText))
                  << QStringLiteral("        before: ") + m.before.Describe() << QStringLiteral("        after:  ") + m.after.Describe();
        }
    }
    lines << QStringLiteral("%1 sentences compared: %2 moved (%3 newly answered, %4 newly unanswered, %5 to another line), %6 alike")
                 .arg(m_nCompared)
                 .arg(m_moves.size())
                 .arg(Count(NewlyAnswered))
                 .arg(Count(NewlyUnanswered))
                 .arg(Count(OtherLine))
                 .arg(m_nCompared - m_moves.size());
    return lines;
}
