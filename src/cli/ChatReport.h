#pragma once

#include "chat/TraceLines.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <utility>

// What a botmaster grows the knowledge base from: the sentences nothing
// matched, how often each block answered, and the main index lines that never
// answered.
class ChatReport {
public:
    // One chat turn's sentence and why it was answered as it was.
    void Add(const QString &sSentence, const ReplyTrace &trace);
    // Reads the main index as it stands now for its keyword lines.
    QStringList Lines() const;

private:
    QStringList m_fallbackSentences;  // in order of first appearance
    QMap<QString, int> m_fallbackCounts;
    QMap<std::pair<QString, QString>, int> m_answersByBlock;  // (file, code)
    QSet<int> m_answeredMainLines;
};
