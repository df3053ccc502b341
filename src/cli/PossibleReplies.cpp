#include "cli/PossibleReplies.h"

#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "engine/EngineTypes.h"
#include "engine/ResponseFile.h"
#include "engine/Templates.h"

PossibleReplies PossibleReplies::Of(const KeywordMatch &match, const QString &sUserName)
{
    PossibleReplies replies;
    const DataFolder::Resolution file = DataFolder::Resolve(DataFolder::DataPath(match.sFile));
    TextFile::Failure failure;
    const std::optional<QString> text = file.sPath.isEmpty() ? std::nullopt : TextFile::ReadText(file.sPath, &failure);
    if (!text) {
        replies.sProblem = QStringLiteral("data/%1 cannot be read: %2").arg(match.sFile, file.sPath.isEmpty() ? file.sError : failure.sDescription);
        return replies;
    }
    const GatheredBlock block = GatherBlock(TextFile::SplitLines(*text), match.sCode, StatementsAndQuestions);
    if (block.nShortAttributeLine) {
        replies.sProblem = QStringLiteral("the attribute line %1 of data/%2 is shorter than nine characters").arg(block.nShortAttributeLine).arg(match.sFile);
        return replies;
    }
    if (block.entries.isEmpty()) {
        replies.sProblem = QStringLiteral("data/%1 has no entries for code %2").arg(match.sFile, match.sCode);
        return replies;
    }
    const auto fill = [&](const QString &sText) { return FillTemplate(sText, match, sUserName); };
    for (qsizetype i = 0; i < block.entries.size(); ++i) {
        const QString sEntry = InAnswerCase(block.entries[i].toString());
        if (sEntry.isEmpty())
            replies.entries.append({block.entryLines[i], QStringLiteral("a lone \"#\", which fails when drawn"), true});
        else
            replies.entries.append({block.entryLines[i], EntryFromLine(sEntry, block.sAttribute, fill).sText, false});
    }
    return replies;
}
