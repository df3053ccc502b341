#include "lsp/TrySentence.h"

#include "chat/TraceLines.h"
#include "common/KnowledgeLayout.h"
#include "common/modPublic.h"
#include "engine/Reply.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

bool Write(const QString &sPath, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(sPath).path());
    QFile file(sPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Puts the process-wide folders back however the reply ends.
struct FoldersKept {
    QString sProgram = modPublic::ProgramFolder, sData = modPublic::DataFolder;
    ~FoldersKept()
    {
        modPublic::ProgramFolder = sProgram;
        modPublic::DataFolder = sData;
    }
};

}  // namespace

TriedSentence TrySentence(const QString &sDataDir, const QHash<QString, QString> &openTexts, const QString &sSentence)
{
    TriedSentence tried;
    QTemporaryDir copy;
    const QString sCopy = copy.path() + QStringLiteral("/data");
    const QDir data(sDataDir);
    // Its logs stay in the copy: a tried sentence is no chat of the base's.
    bool ok = copy.isValid() && QDir().mkpath(sCopy) && QDir().mkpath(copy.path() + QStringLiteral("/logs"));
    for (QDirIterator it(sDataDir, QDir::Files, QDirIterator::Subdirectories); ok && it.hasNext();) {
        const QString sPath = it.next();
        QFile file(sPath);
        ok = file.open(QIODevice::ReadOnly) && Write(sCopy + u'/' + data.relativeFilePath(sPath), file.readAll());
    }
    for (auto it = openTexts.cbegin(); ok && it != openTexts.cend(); ++it)
        ok = Write(sCopy + u'/' + it.key(), it.value().toUtf8());
    if (!ok) {
        tried.sError = QStringLiteral("the knowledge base could not be copied to %1").arg(copy.path());
        return tried;
    }
    const FoldersKept kept;
    modPublic::ProgramFolder = copy.path();
    modPublic::DataFolder.clear();
    modPublic::KeywordIndexFile = KnowledgeLayout::kMainIndex;
    Conversation conversation;
    const ReplyResult reply = GetReply(conversation, sSentence);
    tried.sReply = reply.sText;
    tried.trace = TraceLines(reply.trace, QString());
    return tried;
}
