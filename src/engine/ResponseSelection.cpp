#include "engine/ResponseSelection.h"

#include "common/DataFolder.h"
#include "common/KnowledgeLayout.h"
#include "common/TextFile.h"
#include "engine/Blanks.h"
#include "engine/EngineErrors.h"
#include "engine/Randomizer.h"
#include "engine/ResponseFile.h"
#include "engine/Templates.h"

namespace {

// Reads a knowledge file through the data folder's name rules.
std::optional<QString> ReadKnowledgeFile(const QString &sPath, TextFile::Failure *failure)
{
    const DataFolder::Resolution resolved = DataFolder::Resolve(sPath);
    if (resolved.sPath.isEmpty()) {
        *failure = {EngineErrors::kNameOutsideData, resolved.sError, EngineErrors::kComponent};
        return std::nullopt;
    }
    return TextFile::ReadText(resolved.sPath, failure);
}

// A random entry (from 0) of n; a block that answered before in this
// conversation passes over the entry it gave then, when it has another.
qsizetype DrawEntry(qsizetype n, const KeywordMatch &match, QHash<QString, qsizetype> &lastEntries)
{
    const QString sKey = match.sFile.toLower() + QLatin1Char('\n') + TrimRightBlanks(match.sCode).toString();
    const qsizetype last = lastEntries.value(sKey, -1);
    Randomizer::ReseedFromClock();
    qsizetype chosen = 0;
    if (n > 1 && last >= 0 && last < n) {
        chosen = Randomizer::PickPosition(n - 1) - 1;
        chosen += chosen >= last;
    } else {
        chosen = Randomizer::PickPosition(n) - 1;
    }
    lastEntries.insert(sKey, chosen);
    return chosen;
}

}  // namespace

ResponseEntry GetRandomEntryFromFile(const KeywordMatch &match, EntryMode mode, Conversation &conversation)
{
    const QString sWhere = QStringLiteral("GetRandomEntryFromFile Function");
    const QString sBlock = QStringLiteral("code %1 of %2").arg(match.sCode, match.sFile);
    std::optional<QString> followUp;
    auto fail = [&](const TextFile::Failure &failure, const QString &sName) {
        ResponseEntry failed;
        failed.followUp = followUp;
        failed.failure = EngineErrors::Report(sName, sWhere, failure);
        return failed;
    };
    TextFile::Failure failure;
    const std::optional<QString> text = ReadKnowledgeFile(DataFolder::DataPath(match.sFile), &failure);
    if (!text) {
        failure.sDescription = QStringLiteral("the response file for %1 cannot be read: %2").arg(sBlock, failure.sDescription);
        return fail(failure, QStringLiteral("File Access Problem"));
    }
    const GatheredBlock block = GatherBlock(TextFile::SplitLines(*text), match.sCode, mode);
    followUp = block.followUp;
    const QString sProblem = QStringLiteral("Response Selection Problem");
    if (block.nShortAttributeLine)
        return fail({EngineErrors::kShortAttributeLine,
                     QStringLiteral("the attribute line %1 in %2 is shorter than nine characters").arg(block.nShortAttributeLine).arg(sBlock),
                     EngineErrors::kComponent},
                    sProblem);
    if (block.entries.isEmpty())
        return fail({EngineErrors::kNoEntries, QStringLiteral("there are no entries for %1").arg(sBlock), EngineErrors::kComponent}, sProblem);

    const qsizetype chosen = DrawEntry(block.entries.size(), match, conversation.lastEntries);
    QString sEntry = InAnswerCase(block.entries[chosen].toString());
    if (sEntry.isEmpty())
        return fail({EngineErrors::kEmptyStatement, QStringLiteral("an empty statement line (a lone \"#\") was chosen for %1").arg(sBlock), EngineErrors::kComponent},
                    sProblem);

    // "@username[next]" takes the user's name from the sentence, "@username NAME" gives that name.
    QString sNamed;
    if (block.sAttributeLabel.compare(u"username", Qt::CaseInsensitive) == 0) {
        const QString sValue = TrimBlanks(block.sAttribute).toString();
        sNamed = sValue == KnowledgeLayout::kNextTag ? NameAfterKeyword(match) : sValue;
    }
    const QString sName = sNamed.isEmpty() ? conversation.sUserName : sNamed;  // [name] is already the new name
    ResponseEntry entry = EntryFromLine(sEntry, block.sAttribute, [&](const QString &sText) { return FillTemplate(sText, match, sName); });
    entry.sNamed = sNamed;
    entry.followUp = followUp;
    entry.nLine = block.entryLines[chosen];
    return entry;
}

ResponseEntry TakeAnswer(Conversation &conversation, ResponseEntry entry)
{
    if (entry.followUp)
        conversation.sFollowUpFile = *entry.followUp;
    if (!entry.sNamed.isEmpty())
        conversation.sUserName = entry.sNamed;
    return entry;
}
