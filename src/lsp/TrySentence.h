#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

struct TriedSentence {
    QString sReply;
    QStringList trace;  // as orvia-chat --trace writes them
    QString sError;     // why the base could not be copied; empty when it was
};

// The answer of a fresh chat to one sentence, on the base in sDataDir with the
// texts of the open files (by name in data/) in place of theirs. The engine
// reads files from disk, so it answers from a copy; the process-wide folders
// are put back afterwards.
TriedSentence TrySentence(const QString &sDataDir, const QHash<QString, QString> &openTexts, const QString &sSentence);
