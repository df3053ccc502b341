#include "engine/ResponseFile.h"

#include "engine/Blanks.h"

namespace {

bool IsHeaderFor(QStringView sLine, QStringView sCodeTrimmed)
{
    const QStringView sTrimmed = TrimRightBlanks(sLine);
    return sTrimmed.size() == sCodeTrimmed.size() + 1 && sTrimmed.sliced(1) == sCodeTrimmed;
}

}  // namespace

GatheredBlock GatherBlock(const QList<QStringView> &lines, QStringView sCode, int mode)
{
    GatheredBlock block;
    const QStringView sCodeTrimmed = TrimRightBlanks(sCode);
    const bool wantStatements = mode == 1 || mode == 3;
    const bool wantQuestions = mode == 2 || mode == 3;
    bool inBlock = false;
    bool atHeader = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView sLine = lines[i];
        if (sLine.isEmpty())
            continue;
        const QChar first = sLine.front();
        if (first == u'*' && IsHeaderFor(sLine, sCodeTrimmed)) {
            inBlock = true;
            atHeader = true;
        }
        if (!inBlock)
            continue;
        switch (first.unicode()) {
        case u'*':
            if (atHeader)
                atHeader = false;
            else
                inBlock = false;
            break;
        case u'#':
            if (wantStatements) {
                block.entries.append(sLine.sliced(1));
                block.entryLines.append(int(i + 1));
                ++block.nStatements;
            }
            break;
        case u'$':
            if (wantQuestions) {
                block.entries.append(sLine);
                block.entryLines.append(int(i + 1));
                ++block.nQuestions;
            }
            break;
        case u'@':
            if (sLine.size() < 9) {
                block.nShortAttributeLine = int(i + 1);
                return block;
            }
            block.sAttribute = sLine.sliced(qMin<qsizetype>(9, sLine.size())).toString();
            break;
        case u'&':
            block.followUp = TrimBlanks(sLine.sliced(1)).toString();
            break;
        default:
            break;
        }
    }
    return block;
}

ResponseEntry EntryFromLine(QString sEntry, const QString &sAttribute,
                            const std::function<QString(const QString &)> &fill)
{
    ResponseEntry entry;
    entry.IsQuestion = sEntry.startsWith(QLatin1Char('$'));
    sEntry.remove(0, 1);
    if (fill)
        sEntry = fill(sEntry);
    const qsizetype brace = sEntry.indexOf(QLatin1Char('{'));
    if (brace >= 0) {
        entry.sControl = sEntry.sliced(brace);
        sEntry = TrimBlanks(QStringView(sEntry).first(brace)).toString();
    }
    entry.sText = sEntry;
    entry.sAttribute = sAttribute;
    return entry;
}
