#include "tools/StarterBot.h"

#include "common/KnowledgeLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace StarterBot {

namespace {

const QStringList kFiles{KnowledgeLayout::kMainIndex,          QStringLiteral("answers.txt"),  QStringLiteral("fu_pets.txt"),
                         KnowledgeLayout::kNameIndex,          KnowledgeLayout::kWatchWordAnswer.file,
                         KnowledgeLayout::kGreeting.file,      KnowledgeLayout::kFallback.file};

QString Refusal(const QDir &folder)
{
    for (const QString &sName : {QStringLiteral("data"), QString(KnowledgeLayout::kMainIndex)})
        if (QFileInfo::exists(folder.filePath(sName)))
            return QStringLiteral("%1 holds %2 already; give a new folder, so that nothing is overwritten")
                .arg(QDir::toNativeSeparators(folder.path()), sName);
    return QString();
}

QString Copy(const QString &sName, const QDir &data)
{
    QFile source(QStringLiteral(":/starter/") + sName);
    if (!source.open(QIODevice::ReadOnly))
        return QStringLiteral("the starter's %1 is missing from this program").arg(sName);
    const QByteArray bytes = source.readAll();
    QFile target(data.filePath(sName));
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly) || target.write(bytes) != bytes.size() || !target.flush())
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(target.fileName()), target.errorString());
    return QString();
}

}  // namespace

Result Write(const QString &sFolder)
{
    Result result;
    const QDir folder(sFolder);
    if (QFileInfo(sFolder).exists() && !QFileInfo(sFolder).isDir()) {
        result.sError = QStringLiteral("%1 is a file, not a folder").arg(QDir::toNativeSeparators(sFolder));
        return result;
    }
    if (result.sError = Refusal(folder); !result.sError.isEmpty())
        return result;
    for (const QString &sSub : {QStringLiteral("data"), QStringLiteral("logs")}) {
        if (!QDir().mkpath(folder.filePath(sSub))) {
            result.sError = QStringLiteral("%1 cannot be created").arg(QDir::toNativeSeparators(folder.filePath(sSub)));
            return result;
        }
    }
    const QDir data(folder.filePath(QStringLiteral("data")));
    for (const QString &sName : kFiles) {
        if (result.sError = Copy(sName, data); !result.sError.isEmpty())
            return result;
        result.files << QStringLiteral("data/") + sName;
    }
    result.files << QStringLiteral("logs/");
    return result;
}

}  // namespace StarterBot
