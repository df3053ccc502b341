#include "chat/ConversationTurn.h"

#include "chat/TraceLines.h"
#include "common/KnowledgeLayout.h"
#include "common/modPublic.h"
#include "engine/BaseSettings.h"
#include "engine/EngineErrors.h"
#include "engine/TextFold.h"
#include "engine/Reply.h"

namespace {

const QString kGetUsername = QStringLiteral("GetUsername");
const QString kBotPrefix = QStringLiteral("<Orvia> ");

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
    const ReplyResult reply = GetWatchWordReply(m_conversation);
    m_view.ShowFailures(EngineErrors::Notices(reply.trace.failures));
    m_view.AddtoResponseArea(reply.sText);
    m_view.SetInputText(QString());
}

void ConversationTurn::NameTurn()
{
    const QString t = m_view.InputText();
    m_view.SetInputText(QString());
    ShowNameReply(GetNameReply(m_conversation, t));
}

void ConversationTurn::GiveName(const QString &sName)
{
    ShowNameReply(GetWelcomeReply(m_conversation, sName));
}

void ConversationTurn::ShowNameReply(const ReplyResult &reply)
{
    if (reply.nameAccepted)
        EndNamePhase();
    LastTrace = reply.trace;
    m_view.ShowFailures(EngineErrors::Notices(reply.trace.failures));
    AddUserLine(reply.sSaid);
    AddBotLine(reply.sText);
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

void ConversationTurn::EndNamePhase()
{
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
