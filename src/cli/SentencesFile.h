#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// A file of sentences as the evaluation sets write them: one sentence a line,
// a blank line between conversations, lines beginning with "#" or "/" comments.
// Each line is UTF-8, or else Windows-1252.
class SentencesFile {
public:
    struct Sentence {
        QString sText;
        int nLine = 0;
        QStringList commentsBefore;  // without their "#" or "/"
    };
    using Conversation = QList<Sentence>;

    static SentencesFile Parse(QByteArrayView bytes);

    const QList<Conversation> &Conversations() const { return m_conversations; }
    int SentenceCount() const;

private:
    QList<Conversation> m_conversations;
};
