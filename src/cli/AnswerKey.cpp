#include "cli/AnswerKey.h"

#include "chat/TraceLines.h"
#include "common/KnowledgeLayout.h"
#include "engine/Blanks.h"

AnswerKey AnswerKey::Of(const TurnOutcome &outcome)
{
    const ReplyTrace &trace = outcome.trace;
    AnswerKey key;
    key.watchWord = outcome.watchWord;
    key.nameTurn = outcome.nameTurn;
    key.fallback = !outcome.watchWord && (outcome.nameTurn ? trace.nKeywordLine == 0 : trace.match.sKeyword.isEmpty());
    key.sIndex = trace.sIndex;
    key.nLine = trace.nKeywordLine;
    key.sPhrase = trace.nKeywordLine > 0 ? trace.match.sKeyword : QString();
    key.sCode = TrimRightBlanks(trace.match.sCode).toString();
    key.sFile = trace.match.sFile;
    key.sFailure = trace.failures.isEmpty() ? QString() : trace.failures.first().sReason;
    return key;
}

QString AnswerKey::Describe() const
{
    QString s;
    if (watchWord)
        s = QStringLiteral("the watch word");
    else if (nLine > 0 && !(fallback && sPhrase.isEmpty()))
        s = QStringLiteral("line %1:%2 %3").arg(sIndex).arg(nLine).arg(Trace::Quoted(sPhrase));
    else if (fallback && sIndex == KnowledgeLayout::kNameIndex)
        s = QStringLiteral("no line of %1").arg(KnowledgeLayout::kNameIndex);
    else
        s = QStringLiteral("fallback");
    s += QStringLiteral(", code %1 %2").arg(sCode, sFile);
    if (!sFailure.isEmpty())
        s += QStringLiteral(", failed: ") + sFailure;
    return s;
}

bool AnswerKey::SameAnswer(const AnswerKey &other) const
{
    // Two fallbacks are alike whichever index was searched last.
    const bool sameLine = fallback || (SameFileName(sIndex, other.sIndex) && sPhrase == other.sPhrase);
    return fallback == other.fallback && watchWord == other.watchWord && sameLine && sCode == other.sCode
           && SameFileName(sFile, other.sFile) && sFailure.isEmpty() == other.sFailure.isEmpty();
}

bool SameFileName(const QString &a, const QString &b)
{
    return QString(a).replace(QLatin1Char('\\'), QLatin1Char('/')).compare(QString(b).replace(QLatin1Char('\\'), QLatin1Char('/')), Qt::CaseInsensitive) == 0;
}
