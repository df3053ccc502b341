#pragma once

#include "common/KeywordMatch.h"

#include <QHash>
#include <QString>

// One conversation's state: who is talking, what answered the last sentence,
// the index the last answer left for the next one, and the entry each block
// gave last. Every chat holds its own, so one conversation never steers another.
struct Conversation {
    QString sUserName = QStringLiteral("User");
    QString sFollowUpFile;
    KeywordMatch lastMatch;
    // The entry (from 0) each block last gave, by response file and code, so
    // that a block answering again gives another.
    QHash<QString, qsizetype> lastEntries;

    // A new conversation with this user: nothing of the one before carries over.
    void Restart(const QString &sName) { *this = Conversation{sName, {}, {}, {}}; }
};
