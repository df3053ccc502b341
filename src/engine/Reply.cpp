#include "engine/Reply.h"

#include "common/DataFolder.h"
#include "common/KnowledgeLayout.h"
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

// The main index, passing over the previous reply's keyword when it comes
// again. A search that fails is not run again: the failure is told once.
KeywordMatch SearchMain(const QString &sSentence, ReplyTrace &trace, QString *psFailure)
{
    trace.sIndex = modPublic::KeywordIndexFile;
    QString sFailure;
    KeywordMatch m = KeywordSearch(sSentence + QLatin1Char(' '), &trace.nKeywordLine, &sFailure);
    trace.repeatSearch = sFailure.isEmpty() && m.sKeyword == modPublic::LastMatch.sKeyword;
    if (trace.repeatSearch)
        m = KeywordSearchExclude(sSentence, &trace.nKeywordLine, &sFailure);
    *psFailure = sFailure;
    return m;
}

void NoteFailure(ReplyTrace &trace, const QString &sFailure, const QString &sIndex)
{
    if (!sFailure.isEmpty())
        trace.failures.append({sIndex, sFailure});
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
    QString sFailure;
    // A question asked after other sentences is what the user waits an answer to.
    if (const QString sQuestion = LaterQuestion(sSentence); !sQuestion.isEmpty()) {
        ReplyTrace questionTrace = trace;
        const KeywordMatch q = SearchMain(sQuestion, questionTrace, &sFailure);
        NoteFailure(trace, sFailure, modPublic::KeywordIndexFile);
        if (!q.sKeyword.isEmpty()) {
            m = q;
            trace = questionTrace;
            trace.sQuestion = sQuestion;
            searchNeeded = false;
            modPublic::FollowUpFile.clear();
        }
    }
    const bool mainFailed = !trace.failures.isEmpty();
    if (searchNeeded && !modPublic::FollowUpFile.isEmpty()) {
        const QString sName = TrimBlanks(modPublic::FollowUpFile).toString();
        trace.sFollowUpIndex = trace.sIndex = sName;
        m = KeywordSearchFile(sSentence, DataFolder::DataPath(sName), &trace.nKeywordLine, &sFailure);
        NoteFailure(trace, sFailure, sName);
        if (!m.sCode.isEmpty())
            searchNeeded = false;
        trace.followUpMatched = !searchNeeded;
        modPublic::FollowUpFile.clear();
    }
    if (searchNeeded && !mainFailed) {
        m = SearchMain(sSentence, trace, &sFailure);
        NoteFailure(trace, sFailure, modPublic::KeywordIndexFile);
    } else if (searchNeeded) {
        trace.sIndex = modPublic::KeywordIndexFile;  // it failed on the question already
    }
    if (sSentence != sTyped)
        m.sTyped = sTyped;
    ResponseEntry answer;
    if (!m.sKeyword.isEmpty()) {
        answer = GetRandomEntryFromFile(m, StatementsAndQuestions);
    } else {
        m.sFile = KnowledgeLayout::kFallback.file;
        m.sCode = KnowledgeLayout::kFallback.code;
        answer = GetRandomEntryFromFile(m, StatementsAndQuestions);
    }
    NoteFailure(trace, answer.sFailure, QString());
    modPublic::LastMatch = m;
    trace.match = m;
    trace.nEntryLine = answer.nLine;
    trace.sNextFollowUp = modPublic::FollowUpFile;
    const QString sFirstFailure = trace.failures.isEmpty() ? QString() : trace.failures.first().sReason;
    return ReplyResult{answer.sText, answer.sControl, answer.IsQuestion, trace, sFirstFailure};
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
