#include "engine/ModFunctions.h"

#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "common/modPublic.h"
#include "engine/Blanks.h"
#include "engine/EngineErrors.h"
#include "engine/KeywordSearchCore.h"
#include "engine/Randomizer.h"
#include "engine/ResponseFile.h"

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

// The part of the sentence after the keyword and one more character.
QString RestOfSentence(const QString &sLowerInput, const QString &sLowerKeyword)
{
    qsizetype p = 0;
    if (!sLowerInput.isEmpty())
        p = sLowerInput.indexOf(sLowerKeyword) + 1;
    const qsizetype k = sLowerInput.size() - (p + sLowerKeyword.size());
    if (k <= 0)
        return QString();
    return TrimBlanks(QStringView(sLowerInput).last(k)).toString();
}

QString WithoutQuestionAndExclamationMarks(QString s)
{
    s.remove(QLatin1Char('?'));
    s.remove(QLatin1Char('!'));
    return s;
}

}  // namespace



KeywordMatch KeywordSearch(const QString &sSentence, QString *psFailure)
{
    return KeywordSearchCore::Search(sSentence, DataFolder::DataPath(modPublic::KeywordIndexFile),
                                     QStringLiteral("KeywordSearch Function"), nullptr, psFailure);
}

KeywordMatch KeywordSearchFile(const QString &sSentence, const QString &sPath, QString *psFailure)
{
    return KeywordSearchCore::Search(sSentence, sPath, QStringLiteral("KeywordSearchFile Function"), nullptr, psFailure);
}

ResponseEntry GetRandomEntryFromFile(const KeywordMatch &match, int mode)
{
    const QString sWhere = QStringLiteral("GetRandomEntryFromFile Function");
    const QString sBlock = QStringLiteral("code %1 of %2").arg(match.sCode, match.sFile);
    auto fail = [&](const TextFile::Failure &failure, const QString &sName) {
        ResponseEntry failed;
        failed.sFailure = EngineErrors::Report(sName, sWhere, failure);
        return failed;
    };
    TextFile::Failure failure;
    const std::optional<QString> text = ReadKnowledgeFile(DataFolder::DataPath(match.sFile), &failure);
    if (!text) {
        failure.sDescription = QStringLiteral("the response file for %1 cannot be read: %2").arg(sBlock, failure.sDescription);
        return fail(failure, QStringLiteral("File Access Problem"));
    }
    const GatheredBlock block = GatherBlock(TextFile::SplitLines(*text), match.sCode, mode);
    if (block.followUp)
        modPublic::FollowUpFile = *block.followUp;
    const QString sProblem = QStringLiteral("Response Selection Problem");
    if (block.nShortAttributeLine)
        return fail({EngineErrors::kShortAttributeLine,
                     QStringLiteral("the attribute line %1 in %2 is shorter than nine characters").arg(block.nShortAttributeLine).arg(sBlock),
                     EngineErrors::kComponent},
                    sProblem);
    if (block.entries.isEmpty())
        return fail({EngineErrors::kNoEntries, QStringLiteral("there are no entries for %1").arg(sBlock), EngineErrors::kComponent}, sProblem);

    Randomizer::ReseedFromClock();
    QString sEntry = block.entries[Randomizer::PickPosition(block.entries.size()) - 1].toString().toLower();
    if (sEntry.isEmpty())
        return fail({EngineErrors::kEmptyStatement, QStringLiteral("an empty statement line (a lone \"#\") was chosen for %1").arg(sBlock), EngineErrors::kComponent},
                    sProblem);

    return EntryFromLine(sEntry, block.sAttribute, [&match](const QString &sText) { return FillTemplate(sText, match); });
}

QString FillTemplate(const QString &sText, const KeywordMatch &match)
{
    QString sResult = sText;
    sResult.replace(QStringLiteral("[name]"), modPublic::UserName);
    const QString sLowerKeyword = match.sKeyword.toLower();
    sResult.replace(QStringLiteral("[keyword]"), ReflectPronouns(sLowerKeyword));
    const QString sLowerInput = match.sInput.toLower();
    if (sResult.contains(QStringLiteral("[next]"))) {
        QString sRest = WithoutQuestionAndExclamationMarks(RestOfSentence(sLowerInput, sLowerKeyword) + QLatin1Char(' '));
        sRest.truncate(sRest.indexOf(QLatin1Char(' ')) + 1);
        sResult.replace(QStringLiteral("[next]"), ReflectPronouns(sRest));
    }
    if (sResult.contains(QStringLiteral("[following]"))) {
        const QString sRest = WithoutQuestionAndExclamationMarks(RestOfSentence(sLowerInput, sLowerKeyword));
        sResult.replace(QStringLiteral("[following]"), ReflectPronouns(sRest));
    }
    return sResult;
}

QString ReflectPronouns(const QString &sPhrase)
{
    static const std::pair<QString, QString> kTable[] = {
        {QStringLiteral(" i "), QStringLiteral(" you ")},       {QStringLiteral(" i've "), QStringLiteral(" you've ")},
        {QStringLiteral(" i'm "), QStringLiteral(" you're ")},  {QStringLiteral(" you "), QStringLiteral(" i ")},
        {QStringLiteral(" you've "), QStringLiteral(" i've ")}, {QStringLiteral(" your "), QStringLiteral(" my ")},
        {QStringLiteral(" me "), QStringLiteral(" you ")},      {QStringLiteral(" us "), QStringLiteral(" you ")},
    };
    QString s = QLatin1Char(' ') + sPhrase.toLower();
    for (const auto &[sFind, sReplace] : kTable)
        s.replace(sFind, sReplace);
    return TrimBlanks(s).toString();
}
