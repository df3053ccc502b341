#pragma once

#include "cli/ChatReport.h"
#include "cli/LineChatView.h"

#include <QString>
#include <QTextStream>

// The chat view of a terminal or a pipe: the transcript is a text stream.
class TerminalChat final : public LineChatView {
public:
    struct Options {
        // A pipe transcript shows the user's lines; on a terminal they are on
        // screen already, where the prompt stands in for their prefix.
        bool echoUserLines = true;
        bool trace = false;
        // Where the reason of a failed turn goes, as the error log records it.
        QTextStream *failures = nullptr;
    };

    TerminalChat(QTextStream &out, Options options);

    // Opens the chat: the greeting.
    void Start();
    // The name question answered with a name given whole.
    void GiveName(const QString &sName);
    // One line typed into the input box, then Enter.
    void Type(const QString &sLine);
    // What the user line's prefix will read: "<" + user name + "> ".
    QString Prompt() const;
    const ChatReport &Report() const { return m_report; }

    // ChatView
    void AddColoredText(const QString &sText, LineColor sColor) override;
    void AddtoResponseArea(const QString &sText) override;
    // A line on the failures stream; the apology is left out, as the reason follows the answer.
    void ShowFailure(const FailureNotice &notice) override;

private:
    void WriteLine(const QString &sText);
    void TellFailure();

    QTextStream &m_out;
    Options m_options;
    ChatReport m_report;
};
