#include "engine/ResponseFile.h"

#include "engine/Blanks.h"

QStringView HeaderCode(QStringView sLine)
{
    return TrimRightBlanks(sLine).sliced(1);
}

BlockLine AddBlockLine(GatheredBlock &block, QStringView sLine, int nLine, EntryMode mode)
{
    switch (sLine.front().unicode()) {
    case u'#':
        if (mode != Statements && mode != StatementsAndQuestions)
            return BlockLine::Ignored;
        block.entries.append(sLine.sliced(1));
        block.entryLines.append(nLine);
        ++block.nStatements;
        return BlockLine::Entry;
    case u'$':
        if (mode != Questions && mode != StatementsAndQuestions)
            return BlockLine::Ignored;
        block.entries.append(sLine);
        block.entryLines.append(nLine);
        ++block.nQuestions;
        return BlockLine::Entry;
    case u'@':
        if (sLine.size() < 9) {
            block.nShortAttributeLine = nLine;
            return BlockLine::ShortAttribute;
        }
        block.sAttribute = sLine.sliced(9).toString();
        block.sAttributeLabel = sLine.sliced(1, 8).toString();
        return BlockLine::Setting;
    case u'&':
        block.followUp = TrimBlanks(sLine.sliced(1)).toString();
        return BlockLine::FollowUp;
    default:
        return BlockLine::Ignored;
    }
}

GatheredBlock GatherBlock(const QList<QStringView> &lines, QStringView sCode, EntryMode mode)
{
    GatheredBlock block;
    const QStringView sCodeTrimmed = TrimRightBlanks(sCode);
    bool inBlock = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView sLine = lines[i];
        if (sLine.isEmpty())
            continue;
        // A header of the code opens (or keeps open) its block; any other "*" line closes it.
        if (sLine.front() == u'*') {
            inBlock = HeaderCode(sLine) == sCodeTrimmed;
            continue;
        }
        if (inBlock && AddBlockLine(block, sLine, int(i + 1), mode) == BlockLine::ShortAttribute)
            return block;
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
