#include "engine/Reply.h"

#include "common/DataFolder.h"
#include "common/modPublic.h"
#include "engine/Blanks.h"
#include "engine/KeywordSearchCore.h"
#include "engine/ModFunctions.h"
#include "engine/Substitutions.h"

namespace {

// The last question of a line of several sentences, when it is not the
// first sentence; empty otherwise. Sentences end at ".", "?" or "!" (an
// ellipsis too) followed by a blank.
QString LaterQuestion(const QString &sLine)
{
    QString sQuestion;
    qsizetype nStart = 0;
    for (qsizetype i = 0; i < sLine.size(); ++i) {
        const QChar c = sLine[i];
        if (c != u'.' && c != u'?' && c != u'!')
            continue;
        qsizetype j = i;
        while (j + 1 < sLine.size() && (sLine[j + 1] == u'.' || sLine[j + 1] == u'?' || sLine[j + 1] == u'!'))
            ++j;
        const bool ends = j + 1 == sLine.size() || sLine[j + 1] == u' ';
        if (ends) {
            const QStringView sSentence = TrimBlanks(QStringView(sLine).sliced(nStart, j + 1 - nStart));
            if (nStart > 0 && sSentence.contains(u'?'))
                sQuestion = sSentence.toString();
            nStart = j + 1;
        }
        i = j;
    }
    return sQuestion;
}

// The main index, passing over the previous reply's keyword when it comes again.
KeywordMatch SearchMain(const QString &sSentence, ReplyTrace &trace, QString *psFailure)
{
    trace.sIndex = modPublic::KeywordIndexFile;
    KeywordMatch m = KeywordSearch(sSentence + QLatin1Char(' '), &trace.nKeywordLine, psFailure);
    trace.repeatSearch = m.sKeyword == modPublic::LastMatch.sKeyword;
    if (trace.repeatSearch)
        m = KeywordSearchExclude(sSentence, &trace.nKeywordLine, psFailure);
    return m;
}

}  // namespace

ReplyResult GetReply(const QString &sTyped)
{
    ReplyTrace trace;
    const QString sSentence = Substitutions::Normalise(sTyped);
    if (sSentence != sTyped)
        trace.sRead = sSentence;
    bool searchNeeded = true;
    KeywordMatch m;
    QString sFailure;  // the first failure on the way
    auto failure = [&sFailure]() { return sFailure.isEmpty() ? &sFailure : nullptr; };
    // A question asked after other sentences is what the user waits an answer to.
    if (const QString sQuestion = LaterQuestion(sSentence); !sQuestion.isEmpty()) {
        ReplyTrace questionTrace = trace;
        const KeywordMatch q = SearchMain(sQuestion, questionTrace, failure());
        if (!q.sKeyword.isEmpty()) {
            m = q;
            trace = questionTrace;
            trace.sQuestion = sQuestion;
            searchNeeded = false;
            modPublic::FollowUpFile.clear();
        }
    }
    if (searchNeeded && !modPublic::FollowUpFile.isEmpty()) {
        const QString sName = TrimBlanks(modPublic::FollowUpFile).toString();
        trace.sFollowUpIndex = trace.sIndex = sName;
        m = KeywordSearchFile(sSentence, DataFolder::DataPath(sName), &trace.nKeywordLine, failure());
        if (!m.sCode.isEmpty())
            searchNeeded = false;
        trace.followUpMatched = !searchNeeded;
        modPublic::FollowUpFile.clear();
    }
    if (searchNeeded)
        m = SearchMain(sSentence, trace, failure());
    if (sSentence != sTyped)
        m.sTyped = sTyped;
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
    return ReplyResult{answer.sText, answer.sControl, answer.IsQuestion, trace, sFailure.isEmpty() ? answer.sFailure : sFailure};
}

QString GetPresetResponse(const QString &sFileName, const QString &sCode)
{
    const KeywordMatch match{QString(), sCode, sFileName, QString(), QString()};
    return GetRandomEntryFromFile(match, StatementsAndQuestions).sText;
}

KeywordMatch KeywordSearchExclude(const QString &sSentence, int *pnLine, QString *psFailure)
{
    const QString sExclude = modPublic::LastMatch.sKeyword;
    return KeywordSearchCore::Search(sSentence, DataFolder::DataPath(modPublic::KeywordIndexFile),
                                     QStringLiteral("KeywordSearchExclude Function"), &sExclude, pnLine, psFailure);
}
