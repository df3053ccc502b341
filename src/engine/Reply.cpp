#include "engine/Reply.h"

#include "common/DataFolder.h"
#include "common/modPublic.h"
#include "engine/Blanks.h"
#include "engine/KeywordSearchCore.h"
#include "engine/ModFunctions.h"

ReplyResult GetReply(const QString &sSentence)
{
    bool searchNeeded = true;
    KeywordMatch m;
    QString sFailure;  // the first failure on the way
    auto failure = [&sFailure]() { return sFailure.isEmpty() ? &sFailure : nullptr; };
    if (!modPublic::FollowUpFile.isEmpty()) {
        const QString sName = TrimBlanks(modPublic::FollowUpFile).toString();
        m = KeywordSearchFile(sSentence, DataFolder::DataPath(sName), failure());
        if (!m.sCode.isEmpty())
            searchNeeded = false;
        modPublic::FollowUpFile.clear();
    }
    if (searchNeeded) {
        m = KeywordSearch(sSentence + QLatin1Char(' '), failure());
        if (m.sKeyword == modPublic::LastMatch.sKeyword)
            m = KeywordSearchExclude(sSentence, failure());
    }
    ResponseEntry answer;
    if (!m.sKeyword.isEmpty()) {
        answer = GetRandomEntryFromFile(m, StatementsAndQuestions);
    } else {
        m.sFile = QStringLiteral("Preset4.txt");
        m.sCode = QStringLiteral("0001");
        answer = GetRandomEntryFromFile(m, StatementsAndQuestions);
    }
    modPublic::LastMatch = m;
    return ReplyResult{answer.sText, answer.sControl, answer.IsQuestion, sFailure.isEmpty() ? answer.sFailure : sFailure};
}

QString GetPresetResponse(const QString &sFileName, const QString &sCode)
{
    const KeywordMatch match{QString(), sCode, sFileName, QString()};
    return GetRandomEntryFromFile(match, StatementsAndQuestions).sText;
}

KeywordMatch KeywordSearchExclude(const QString &sSentence, QString *psFailure)
{
    const QString sExclude = modPublic::LastMatch.sKeyword;
    return KeywordSearchCore::Search(sSentence, DataFolder::DataPath(modPublic::KeywordIndexFile),
                                     QStringLiteral("KeywordSearchExclude Function"), &sExclude, psFailure);
}
