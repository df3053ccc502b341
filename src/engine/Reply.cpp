#include "engine/Reply.h"

#include "common/DataFolder.h"
#include "common/DataTableCache.h"
#include "common/KnowledgeLayout.h"
#include "common/modPublic.h"
#include "engine/Blanks.h"
#include "engine/KeywordSearch.h"
#include "engine/ResponseSelection.h"
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
KeywordMatch SearchMain(const QString &sSentence, const KeywordMatch &last, ReplyTrace &trace, EngineFailure *pFailure)
{
    trace.sIndex = modPublic::KeywordIndexFile;
    EngineFailure failure;
    KeywordMatch m = KeywordSearch(sSentence + QLatin1Char(' '), &trace.nKeywordLine, &failure);
    trace.repeatSearch = !failure.Failed() && m.sKeyword == last.sKeyword;
    if (trace.repeatSearch)
        m = KeywordSearchExclude(sSentence, last.sKeyword, &trace.nKeywordLine, &failure);
    *pFailure = failure;
    return m;
}

void NoteFailure(ReplyTrace &trace, const EngineFailure &failure, const QString &sIndex)
{
    trace.Note(sIndex, failure);
}

}  // namespace

ReplyResult GetReply(Conversation &conversation, const QString &sTyped)
{
    const DataTableScope tablesReadOnce;
    ReplyTrace trace;
    const QString sSentence = Substitutions::Normalise(sTyped);
    if (sSentence != sTyped)
        trace.sRead = sSentence;
    bool searchNeeded = true;
    KeywordMatch m;
    EngineFailure failure;
    // A question asked after other sentences is what the user waits an answer to.
    if (const QString sQuestion = LaterQuestion(sSentence); !sQuestion.isEmpty()) {
        ReplyTrace questionTrace = trace;
        const KeywordMatch q = SearchMain(sQuestion, conversation.lastMatch, questionTrace, &failure);
        NoteFailure(trace, failure, modPublic::KeywordIndexFile);
        if (!q.sKeyword.isEmpty()) {
            m = q;
            trace = questionTrace;
            trace.sQuestion = sQuestion;
            searchNeeded = false;
            conversation.sFollowUpFile.clear();
        }
    }
    const bool mainFailed = !trace.failures.isEmpty();
    if (searchNeeded && !conversation.sFollowUpFile.isEmpty()) {
        const QString sName = TrimBlanks(conversation.sFollowUpFile).toString();
        trace.sFollowUpIndex = trace.sIndex = sName;
        m = KeywordSearchFile(sSentence, DataFolder::DataPath(sName), &trace.nKeywordLine, &failure);
        NoteFailure(trace, failure, sName);
        if (!m.sCode.isEmpty())
            searchNeeded = false;
        trace.followUpMatched = !searchNeeded;
        conversation.sFollowUpFile.clear();
    }
    if (searchNeeded && !mainFailed) {
        m = SearchMain(sSentence, conversation.lastMatch, trace, &failure);
        NoteFailure(trace, failure, modPublic::KeywordIndexFile);
    } else if (searchNeeded) {
        trace.sIndex = modPublic::KeywordIndexFile;  // it failed on the question already
    }
    if (sSentence != sTyped)
        m.sTyped = sTyped;
    if (m.sKeyword.isEmpty()) {
        m.sFile = KnowledgeLayout::kFallback.file;
        m.sCode = KnowledgeLayout::kFallback.code;
    }
    const ResponseEntry answer = TakeAnswer(conversation, GetRandomEntryFromFile(m, StatementsAndQuestions, conversation));
    NoteFailure(trace, answer.failure, QString());
    conversation.lastMatch = m;
    trace.match = m;
    trace.nEntryLine = answer.nLine;
    trace.sNextFollowUp = conversation.sFollowUpFile;
    const QString sFirstFailure = trace.failures.isEmpty() ? QString() : trace.failures.first().sReason;
    return ReplyResult{answer.sText, answer.sControl, answer.IsQuestion, trace, sFirstFailure};
}

QString GetPresetResponse(const QString &sFileName, const QString &sCode, Conversation &conversation, EngineFailure *pFailure)
{
    const KeywordMatch match{QString(), sCode, sFileName, QString(), QString()};
    const ResponseEntry entry = TakeAnswer(conversation, GetRandomEntryFromFile(match, StatementsAndQuestions, conversation));
    if (pFailure)
        *pFailure = entry.failure;
    return entry.sText;
}
