#include "engine/Reply.h"

#include "common/DataFolder.h"
#include "common/DataTableCache.h"
#include "common/KnowledgeLayout.h"
#include "common/modPublic.h"
#include "engine/BaseSettings.h"
#include "engine/Blanks.h"
#include "engine/KeywordSearch.h"
#include "engine/ResponseSelection.h"
#include "engine/Substitutions.h"
#include "engine/WordList.h"

#include <optional>

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

// The selection's answer to m, taken into the conversation, and traced.
ResponseEntry Answer(Conversation &conversation, const KeywordMatch &m, ReplyTrace &trace)
{
    const ResponseEntry answer = TakeAnswer(conversation, GetRandomEntryFromFile(m, StatementsAndQuestions, conversation));
    NoteFailure(trace, answer.failure, QString());
    trace.match = m;
    trace.nEntryLine = answer.nLine;
    trace.sNextFollowUp = conversation.sFollowUpFile;
    return answer;
}

ReplyResult Result(const ResponseEntry &answer, const ReplyTrace &trace)
{
    const QString sFirstFailure = trace.failures.isEmpty() ? QString() : trace.failures.first().sReason;
    return ReplyResult{answer.sText, answer.sControl, answer.IsQuestion, trace, sFirstFailure, QString(), false};
}

// The name in an answer to the name question that no phrase of preset1.txt
// matched: a lone word; a name of two or three capitalised words ("José
// María"); or a sentence of one word that can be a name ("Margaret. Though my
// pupils call me Mrs Hollis."). Nothing when the answer is a sentence.
std::optional<QString> NameOfUnmatched(const QString &sTyped)
{
    const QString sTrimmed = TrimBlanks(sTyped).toString();
    if (!sTrimmed.contains(QLatin1Char(' ')))
        return sTrimmed;
    const QString sCompound = WordList::CompoundName(sTyped);
    const QString sName = sCompound.isEmpty() ? WordList::OneWordName(sTyped) : sCompound;
    return sName.isEmpty() ? std::nullopt : std::optional<QString>(sName);
}

// "Sam." names Sam: a full stop kept in the name would double every answer's own
// punctuation ("welcome, Sam.!"). A name of punctuation alone stays as typed.
QString WithoutEndPunctuation(QString sName)
{
    static const QString sEnds = QStringLiteral(".,;:!?");
    qsizetype n = sName.size();
    while (n > 1 && sEnds.contains(sName[n - 1]))
        --n;
    return n == 0 || sEnds.contains(sName[n - 1]) ? sName : sName.left(n);
}

// A preset block answering what the user said, the echoes reading it.
KeywordMatch PresetMatch(const KnowledgeLayout::PresetAddress &at, const QString &sSaid)
{
    return KeywordMatch{sSaid, at.code, at.file, sSaid, QString()};
}

// The name turn's answer to m; a block that gives a name accepts it too.
ReplyResult AnswerName(Conversation &conversation, const QString &sSaid, const KeywordMatch &m, ReplyTrace trace, bool nameAccepted)
{
    const ResponseEntry answer = Answer(conversation, m, trace);
    if (!answer.sNamed.isEmpty()) {
        conversation.sUserName = WithoutEndPunctuation(answer.sNamed);
        nameAccepted = true;
    }
    ReplyResult result = Result(answer, trace);
    result.sSaid = sSaid;
    result.nameAccepted = nameAccepted;
    return result;
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
    const ResponseEntry answer = Answer(conversation, m, trace);
    conversation.lastMatch = m;
    return Result(answer, trace);
}

ReplyResult GetNameReply(Conversation &conversation, const QString &sTyped)
{
    const DataTableScope tablesReadOnce;
    const QString t = sTyped.isEmpty() ? QStringLiteral("{SILENCE}") : sTyped;
    const QString sNameIndex = KnowledgeLayout::kNameIndex;
    ReplyTrace trace;
    trace.sIndex = sNameIndex;
    const QString sRead = Substitutions::Normalise(t);
    if (sRead != t)
        trace.sRead = sRead;
    EngineFailure failure;
    KeywordMatch m = KeywordSearchFile(sRead.toUpper(), DataFolder::DataPath(sNameIndex), &trace.nKeywordLine, &failure);
    trace.Note(sNameIndex, failure);
    bool nameAccepted = false;
    if (m.sKeyword.isEmpty()) {
        if (const std::optional<QString> sName = NameOfUnmatched(t)) {
            conversation.sUserName = WithoutEndPunctuation(*sName);  // before the welcome, which names the user
            nameAccepted = true;
            m = PresetMatch(KnowledgeLayout::kWelcome, t);
        } else {
            m = PresetMatch(KnowledgeLayout::kSeveralWordNameAnswer, t);
        }
    } else {
        m.sInput = sRead;  // in its case, so that a block that takes the name takes it as written
        if (sRead != t)
            m.sTyped = t;
    }
    return AnswerName(conversation, t, m, trace, nameAccepted);
}

ReplyResult GetWelcomeReply(Conversation &conversation, const QString &sName)
{
    const DataTableScope tablesReadOnce;
    conversation.sUserName = WithoutEndPunctuation(sName);
    return AnswerName(conversation, sName, PresetMatch(KnowledgeLayout::kWelcome, sName), ReplyTrace{}, true);
}

ReplyResult GetWatchWordReply(Conversation &conversation)
{
    const DataTableScope tablesReadOnce;
    ReplyTrace trace;
    return Result(Answer(conversation, WatchWordMatch(), trace), trace);
}

KeywordMatch WatchWordMatch()
{
    return KeywordMatch{Settings::Load().WatchWordKeyword(), KnowledgeLayout::kWatchWordAnswer.code, KnowledgeLayout::kWatchWordAnswer.file, QString(), QString()};
}

QString GetPresetResponse(const QString &sFileName, const QString &sCode, Conversation &conversation, EngineFailure *pFailure)
{
    const KeywordMatch match{QString(), sCode, sFileName, QString(), QString()};
    const ResponseEntry entry = TakeAnswer(conversation, GetRandomEntryFromFile(match, StatementsAndQuestions, conversation));
    if (pFailure)
        *pFailure = entry.failure;
    return entry.sText;
}
