#include "chat/ConversationTurn.h"

#include "chat/TraceLines.h"
#include "common/DataFolder.h"
#include "common/KnowledgeLayout.h"
#include "common/modPublic.h"
#include "engine/BaseSettings.h"
#include "engine/EngineErrors.h"
#include "engine/TextFold.h"
#include "engine/Blanks.h"
#include "engine/KeywordSearch.h"
#include "engine/Reply.h"
#include "engine/ResponseSelection.h"
#include "engine/Substitutions.h"
#include "engine/WordList.h"

#include <optional>

namespace {

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

const QString kGetUsername = QStringLiteral("GetUsername");
const QString kBotPrefix = QStringLiteral("<Orvia> ");

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

}  // namespace

ConversationTurn::ConversationTurn(ChatView &view, LineColor botColor, LineColor userColor)
    : m_view(view)
    , m_botColor(botColor)
    , m_userColor(userColor)
{
}

void ConversationTurn::Load()
{
    m_conversation.Restart(QStringLiteral("User"));  // nothing pending from the chat before
    PublishName();
    InputMode = kGetUsername;
    m_view.SetInputText(QString());
    m_view.ClearTranscript();
    EngineFailure failure;
    const QString sGreeting = GetPresetResponse(KnowledgeLayout::kGreeting.file, KnowledgeLayout::kGreeting.code, m_conversation, &failure);
    m_view.ShowFailures(EngineErrors::Notices(failure));
    AddBotLine(sGreeting);
    ClearInputOnKey = true;
    WatchForBut = true;
    WatchWord = Settings::Load().sWatchWord;  // "but" unless the base says another
}

void ConversationTurn::KeyPress(int nKeyAscii)
{
    if (ClearInputOnKey) {
        ClearInputOnKey = false;
        m_view.SetInputText(QString());
    }
    if (nKeyAscii != 13)
        return;
    if (InputMode == kGetUsername)
        NameTurn();
    else
        ChatTurn();
}

void ConversationTurn::InputChanged()
{
    if (!WatchForBut)
        return;
    if (TextFold::Folded(m_view.InputText()) != WatchWord)
        return;
    const ResponseEntry entry = TakeAnswer(m_conversation, GetRandomEntryFromFile(WatchWordMatch(), StatementsAndQuestions, m_conversation));
    m_view.ShowFailures(EngineErrors::Notices(entry.failure));
    m_view.AddtoResponseArea(entry.sText);
    m_view.SetInputText(QString());
}

KeywordMatch ConversationTurn::WatchWordMatch()
{
    return KeywordMatch{Settings::Load().WatchWordKeyword(), KnowledgeLayout::kWatchWordAnswer.code, KnowledgeLayout::kWatchWordAnswer.file, QString(), QString()};
}

void ConversationTurn::NameTurn()
{
    QString t = m_view.InputText();
    m_view.SetInputText(QString());
    if (t.isEmpty())
        t = QStringLiteral("{SILENCE}");

    const QString sNameIndex = KnowledgeLayout::kNameIndex;
    ReplyTrace trace;
    trace.sIndex = sNameIndex;
    const QString sRead = Substitutions::Normalise(t);
    if (sRead != t)
        trace.sRead = sRead;
    EngineFailure failure;
    KeywordMatch m = KeywordSearchFile(sRead.toUpper(), DataFolder::DataPath(sNameIndex), &trace.nKeywordLine, &failure);
    trace.Note(sNameIndex, failure);
    if (m.sKeyword.isEmpty()) {
        if (const std::optional<QString> sName = NameOfUnmatched(t)) {
            AcceptName(*sName);
            m = KeywordMatch{t, KnowledgeLayout::kWelcome.code, KnowledgeLayout::kWelcome.file, t, QString()};
        } else {
            m = KeywordMatch{t, KnowledgeLayout::kSeveralWordNameAnswer.code, KnowledgeLayout::kSeveralWordNameAnswer.file, t, QString()};
        }
    } else {
        m.sInput = sRead;  // in its case, so that a block that takes the name takes it as written
        if (sRead != t)
            m.sTyped = t;
    }
    AnswerNameTurn(t, m, trace);
}

void ConversationTurn::GiveName(const QString &sName)
{
    AcceptName(sName);
    AnswerNameTurn(sName, KeywordMatch{sName, KnowledgeLayout::kWelcome.code, KnowledgeLayout::kWelcome.file, sName, QString()}, ReplyTrace{});
}

void ConversationTurn::AnswerNameTurn(const QString &sTyped, const KeywordMatch &m, ReplyTrace trace)
{
    const ResponseEntry entry = TakeAnswer(m_conversation, GetRandomEntryFromFile(m, StatementsAndQuestions, m_conversation));
    if (!entry.sNamed.isEmpty())
        AcceptName(entry.sNamed);
    trace.match = m;
    trace.nEntryLine = entry.nLine;
    trace.sNextFollowUp = m_conversation.sFollowUpFile;
    trace.Note(QString(), entry.failure);
    LastTrace = trace;
    m_view.ShowFailures(EngineErrors::Notices(trace.failures));
    AddUserLine(sTyped);
    AddBotLine(entry.sText);
    AddTraceLines(QString());  // no search of the name turn passes over a keyword
}

void ConversationTurn::ChatTurn()
{
    const QString t = m_view.InputText();
    const QString sPreviousKeyword = m_conversation.lastMatch.sKeyword;
    const ReplyResult reply = GetReply(m_conversation, t);
    PublishName();  // a block may have named the user
    LastTrace = reply.trace;
    m_view.ShowFailures(EngineErrors::Notices(reply.trace.failures));
    // Read again: the echo shows the box as it stands after the engine call.
    AddUserLine(m_view.InputText());
    AddBotLine(reply.sText);
    AddTraceLines(sPreviousKeyword);
    m_view.SetInputText(QString());
}

void ConversationTurn::AddTraceLines(const QString &sPreviousKeyword)
{
    if (!ShowTrace)
        return;
    for (const QString &sLine : TraceLines(LastTrace, sPreviousKeyword))
        m_view.AddColoredText(QStringLiteral("    ") + sLine, kTraceColor);
}

void ConversationTurn::AcceptName(const QString &sName)
{
    m_conversation.sUserName = WithoutEndPunctuation(sName);
    PublishName();
    InputMode.clear();
    WatchForBut = false;
}

void ConversationTurn::AddUserLine(const QString &sText)
{
    m_view.AddColoredText(QLatin1Char('<') + m_conversation.sUserName + QStringLiteral("> ") + sText, m_userColor);
}

void ConversationTurn::PublishName() const
{
    modPublic::UserName = m_conversation.sUserName;
}

void ConversationTurn::AddBotLine(const QString &sText)
{
    m_view.AddColoredText(kBotPrefix + sText, m_botColor);
}
