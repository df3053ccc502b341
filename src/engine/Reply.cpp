#include "engine/Reply.h"

#include "common/DataFolder.h"
#include "common/modPublic.h"
#include "engine/Blanks.h"
#include "engine/KeywordSearchCore.h"
#include "engine/ModFunctions.h"

ReplyResult GetReply(const QString &sSentence)
{
    ReplyTrace trace;
    bool searchNeeded = true;
    KeywordMatch m;
    if (!modPublic::FollowUpFile.isEmpty()) {
        const QString sName = TrimBlanks(modPublic::FollowUpFile).toString();
        trace.sFollowUpIndex = trace.sIndex = sName;
        m = KeywordSearchFile(sSentence, DataFolder::DataPath(sName), &trace.nKeywordLine);
        if (!m.sCode.isEmpty())
            searchNeeded = false;
        trace.followUpMatched = !searchNeeded;
        modPublic::FollowUpFile.clear();
    }
    if (searchNeeded) {
        trace.sIndex = modPublic::KeywordIndexFile;
        m = KeywordSearch(sSentence + QLatin1Char(' '), &trace.nKeywordLine);
        trace.repeatSearch = m.sKeyword == modPublic::LastMatch.sKeyword;
        if (trace.repeatSearch)
            m = KeywordSearchExclude(sSentence, &trace.nKeywordLine);
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
    trace.match = m;
    trace.nEntryLine = answer.nLine;
    trace.sNextFollowUp = modPublic::FollowUpFile;
    return ReplyResult{answer.sText, answer.sControl, answer.IsQuestion, trace};
}

QString GetPresetResponse(const QString &sFileName, const QString &sCode)
{
    const KeywordMatch match{QString(), sCode, sFileName, QString()};
    return GetRandomEntryFromFile(match, StatementsAndQuestions).sText;
}

KeywordMatch KeywordSearchExclude(const QString &sSentence, int *pnLine)
{
    const QString sExclude = modPublic::LastMatch.sKeyword;
    return KeywordSearchCore::Search(sSentence, DataFolder::DataPath(modPublic::KeywordIndexFile),
                                     QStringLiteral("KeywordSearchExclude Function"), &sExclude, pnLine);
}
