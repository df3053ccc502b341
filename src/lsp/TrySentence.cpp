#include "lsp/TrySentence.h"

#include "chat/TraceLines.h"
#include "common/KnowledgeLayout.h"
#include "common/modPublic.h"
#include "engine/Reply.h"
#include "startup/ProgramFolder.h"

#include <QDir>
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
    // Its logs stay in the copy: a tried sentence is no chat of the base's.
    QString sReason = copy.isValid() && QDir().mkpath(copy.path() + QStringLiteral("/logs")) ? CopyTree(sDataDir, sCopy)
                                                                                           : QStringLiteral("no temporary folder");
    for (auto it = openTexts.cbegin(); sReason.isEmpty() && it != openTexts.cend(); ++it)
        if (!Write(sCopy + u'/' + it.key(), it.value().toUtf8()))
            sReason = QStringLiteral("%1 cannot be written").arg(it.key());
    if (!sReason.isEmpty()) {
        tried.sError = QStringLiteral("the knowledge base could not be copied to %1: %2").arg(copy.path(), sReason);
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
