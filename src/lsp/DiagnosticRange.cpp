#include "lsp/DiagnosticRange.h"

#include "engine/KeywordIndex.h"

#include <QRegularExpression>

std::pair<qsizetype, qsizetype> FindingSpan(QStringView sLine, bool inIndex, const QString &sMessage)
{
    const std::pair<qsizetype, qsizetype> whole{0, sLine.size()};
    if (sLine.isEmpty())
        return whole;
    if (inIndex) {
        const IndexLine line = ClassifyIndexLine(sLine);
        // A message that opens with the phrase is about the phrase.
        if (line.kind == IndexLine::Keyword && sMessage.startsWith(u'"') && !line.sPhrase.isEmpty())
            return {5, sLine.size()};
        if (line.kind == IndexLine::Section && sLine.size() > 2)
            return {1, sLine.size() - 1};
    } else if (sLine.front() == u'&' && sLine.size() > 1 && sMessage.startsWith(QLatin1String("follow-up"))) {
        return {1, sLine.size()};
    }
    // Else the first thing the message quotes, or a tag it names, where the line holds it.
    static const QRegularExpression kQuoted(QStringLiteral("\"([^\"]+)\"|(\\[[a-z]+\\])"), QRegularExpression::CaseInsensitiveOption);
    for (auto it = kQuoted.globalMatch(sMessage); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString sQuoted = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
        const qsizetype at = sLine.indexOf(sQuoted, 0, Qt::CaseInsensitive);
        if (at >= 0)
            return {at, at + sQuoted.size()};
    }
    return whole;
}
