#pragma once

#include "chat/ChatView.h"
#include "engine/Conversation.h"
#include "engine/EngineTypes.h"
#include "engine/ReplyTrace.h"

#include <QString>

// The conversation of a chat window: greeting, name turn, chat turn and the
// watch-word shortcut. The window forwards its events here.
class ConversationTurn {
public:
    ConversationTurn(ChatView &view, LineColor botColor, LineColor userColor);

    // Run each time the window is shown.
    void Load();
    // A character key typed into the input box, before the box takes it.
    void KeyPress(int nKeyAscii);
    // Every change of the input text, also the window's own.
    void InputChanged();

    void NameTurn();
    void ChatTurn();
    // A name given whole (orvia-chat --name): accepted as it is, then the welcome.
    void GiveName(const QString &sName);

    QString InputMode;
    bool ClearInputOnKey = false;
    bool WatchForBut = false;
    QString WatchWord;
    // Why the answer of the last name or chat turn came.
    ReplyTrace LastTrace;
    // Writes LastTrace under every answer, indented, in kTraceColor.
    bool ShowTrace = false;
    static constexpr LineColor kTraceColor = Rgb(128, 128, 128);

    // The conversation under way: the user's name, the follow-up pending.
    const Conversation &State() const { return m_conversation; }
    Conversation &State() { return m_conversation; }

private:
    // The name phase ends with the name the conversation now holds.
    void EndNamePhase();
    void ShowNameReply(const ReplyResult &reply);
    void AddTraceLines(const QString &sPreviousKeyword);
    void AddUserLine(const QString &sText);
    void AddBotLine(const QString &sText);
    // The debugging commands' lookups name the user of the last chat.
    void PublishName() const;

    ChatView &m_view;
    LineColor m_botColor;
    LineColor m_userColor;
    Conversation m_conversation;
};
