#include "cli/ChatReport.h"

#include "cli/FallbackGroups.h"
#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "common/modPublic.h"
#include "engine/KeywordIndex.h"

#include <algorithm>

using Trace::InData;
using Trace::Quoted;

void ChatReport::Add(const QString &sSentence, const ReplyTrace &trace)
{
    if (trace.match.sKeyword.isEmpty() && !m_fallbackCounts.contains(sSentence))
        m_fallbackSentences << sSentence;
    if (trace.match.sKeyword.isEmpty())
        ++m_fallbackCounts[sSentence];
    ++m_answersByBlock[{trace.match.sFile, trace.match.sCode}];
    if (!trace.followUpMatched && trace.nKeywordLine > 0)
        m_answeredMainLines.insert(trace.nKeywordLine);
}

QStringList ChatReport::Lines() const
{
    const QString sIndex = InData(modPublic::KeywordIndexFile);
    const DataFolder::Resolution resolved = DataFolder::Resolve(DataFolder::DataPath(modPublic::KeywordIndexFile));
    TextFile::Failure failure;
    const std::optional<QString> text = TextFile::ReadText(resolved.sPath, &failure);
    const QList<QStringView> indexLines = text ? TextFile::SplitLines(*text) : QList<QStringView>();

    QList<FallbackGroups::Sentence> fallbacks;
    for (const QString &s : m_fallbackSentences)
        fallbacks.append({s, m_fallbackCounts.value(s), QString()});
    QStringList lines = FallbackGroups(fallbacks, FallbackGroups::StopWords()).ReportLines(indexLines, sIndex);

    QList<std::pair<std::pair<QString, QString>, int>> blocks;
    for (auto it = m_answersByBlock.cbegin(); it != m_answersByBlock.cend(); ++it)
        blocks.append({it.key(), it.value()});
    std::stable_sort(blocks.begin(), blocks.end(), [](const auto &a, const auto &b) { return a.second > b.second; });
    lines << QStringLiteral("answers by code: %1").arg(blocks.size());
    for (const auto &[block, n] : blocks)
        lines << QStringLiteral("    %1 %2 code %3").arg(n, 4).arg(InData(block.first), block.second);

    if (!text) {
        lines << QStringLiteral("%1 cannot be read: %2").arg(sIndex, failure.sDescription);
        return lines;
    }
    QStringList unanswered;
    int nKeywordLines = 0;
    for (qsizetype i = 0; i < indexLines.size(); ++i) {
        const IndexLine line = ClassifyIndexLine(indexLines[i]);
        if (line.kind != IndexLine::Keyword)
            continue;
        ++nKeywordLines;
        if (!m_answeredMainLines.contains(int(i + 1)))
            unanswered << QStringLiteral("    %1:%2: %3").arg(sIndex).arg(i + 1).arg(Quoted(line.sPhrase.toString().toLower()));
    }
    lines << QStringLiteral("keyword lines of %1 that never answered: %2 of %3").arg(sIndex).arg(unanswered.size()).arg(nKeywordLines);
    return lines + unanswered;
}
