#pragma once

#include "cli/LineChatView.h"
#include "cli/SentencesFile.h"
#include "engine/ReplyTrace.h"

#include <QList>
#include <QString>

#include <optional>

// What one sentence of a test got, and why.
struct TurnOutcome {
    QString sReply;
    ReplyTrace trace;
    QString sPreviousKeyword;  // the phrase that answered the sentence before, for the trace lines
    bool nameTurn = false;
    bool watchWord = false;  // taken by the watch-word shortcut, not by a turn
    QString sUserName;       // after the turn, as [name] was filled
};

// A chat with no window: the chat windows' own ConversationTurn over a
// transcript that keeps only the last bot line.
class ConvoChat final : public LineChatView {
public:
    // A fresh chat: the greeting, then the name question.
    void Start();
    // "name: NAME": the name question answered with NAME, taken whole.
    void GiveName(const QString &sName);
    // One line typed into the input box, then Enter, as orvia-chat types it.
    TurnOutcome Say(const QString &sLine);
    // Every sentence of the file in its conversation, each conversation a
    // fresh chat whose name question NAME answers first when given.
    static QList<TurnOutcome> AnswerAll(const SentencesFile &sentences, const std::optional<QString> &name);

    // ChatView
    void AddColoredText(const QString &sText, LineColor sColor) override;
    void AddtoResponseArea(const QString &sText) override;

private:
    QString m_sLastBotLine;
    QString m_sShortcutLine;
};
