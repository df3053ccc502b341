#include "chat/TraceLines.h"

#include "common/modPublic.h"

namespace Trace {

QString InData(const QString &sName)
{
    return QStringLiteral("data/") + sName;
}

QString Quoted(const QString &s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

}  // namespace Trace

namespace {

using Trace::InData;
using Trace::Quoted;

QString SearchLine(const QString &sKind, const QString &sIndex, int nLine, const QString &sPhrase, const ReplyTrace &trace)
{
    if (nLine > 0)
        return QStringLiteral("%1 %2:%3 matched %4").arg(sKind, InData(sIndex)).arg(nLine).arg(Quoted(sPhrase));
    if (const QString sFailure = trace.FailureOf(sIndex); !sFailure.isEmpty())
        return QStringLiteral("%1 %2 cannot be searched: %3").arg(sKind, InData(sIndex), sFailure);
    return QStringLiteral("%1 %2: nothing matched").arg(sKind, InData(sIndex));
}

}  // namespace

QStringList TraceLines(const ReplyTrace &trace, const QString &sPreviousKeyword)
{
    QStringList lines;
    const KeywordMatch &m = trace.match;
    const bool chatTurn = !trace.sFollowUpIndex.isEmpty() || trace.sIndex == modPublic::KeywordIndexFile;
    if (!trace.sRead.isEmpty())
        lines << QStringLiteral("read as %1 (data/substitutions.txt)").arg(Quoted(trace.sRead));
    if (!trace.sQuestion.isEmpty())
        lines << QStringLiteral("the question %1 answered first").arg(Quoted(trace.sQuestion));
    if (!trace.sFollowUpIndex.isEmpty() && !trace.followUpMatched)
        lines << SearchLine(QStringLiteral("follow-up index"), trace.sFollowUpIndex, 0, QString(), trace);
    const QString sKind = trace.followUpMatched ? QStringLiteral("follow-up index")
                          : chatTurn           ? QStringLiteral("main index")
                                               : QStringLiteral("name question index");
    // Passing over an empty phrase changes nothing worth a line.
    if (trace.repeatSearch && !sPreviousKeyword.isEmpty())
        lines << QStringLiteral("main index %1: %2 as last time; searched again passing over it").arg(InData(trace.sIndex), Quoted(sPreviousKeyword));
    if (!trace.sIndex.isEmpty())  // a name given whole is searched nowhere
        lines << SearchLine(sKind, trace.sIndex, trace.nKeywordLine, trace.nKeywordLine ? m.sKeyword : QString(), trace);
    const QString sBlock = m.sKeyword.isEmpty() ? QStringLiteral("fallback block") : QStringLiteral("answer");
    if (trace.nEntryLine == 0)
        lines << QStringLiteral("%1: no entry of code %2 in %3 could be used: %4")
                     .arg(sBlock, m.sCode, InData(m.sFile), trace.FailureOf(QString()));
    else
        lines << QStringLiteral("%1 %2:%3, code %4").arg(sBlock, InData(m.sFile)).arg(trace.nEntryLine).arg(m.sCode);
    if (!trace.sNextFollowUp.isEmpty())
        lines << QStringLiteral("next sentence: follow-up index %1 first").arg(InData(trace.sNextFollowUp));
    return lines;
}
