#include "cli/SentencesFile.h"

#include "cli/ByteLines.h"
#include "common/TextFile.h"

SentencesFile SentencesFile::Parse(QByteArrayView bytes)
{
    SentencesFile file;
    Conversation open;
    QStringList comments;
    int nLine = 0;
    auto endConversation = [&] {
        if (!open.isEmpty())
            file.m_conversations.append(open);
        open.clear();
    };
    for (ByteLines lines(bytes); !lines.AtEnd();) {
        const QString sLine = TextFile::DecodeLine(lines.Next());
        ++nLine;
        const QString sTrimmed = sLine.trimmed();
        if (sTrimmed.isEmpty()) {
            endConversation();
            comments.clear();
        } else if (sTrimmed.startsWith(u'#') || sTrimmed.startsWith(u'/')) {
            comments << sTrimmed.sliced(1).trimmed();
        } else {
            open.append(Sentence{sLine, nLine, comments});
            comments.clear();
        }
    }
    endConversation();
    return file;
}

int SentencesFile::SentenceCount() const
{
    int n = 0;
    for (const Conversation &c : m_conversations)
        n += int(c.size());
    return n;
}
