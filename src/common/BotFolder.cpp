#include "common/BotFolder.h"

#include "common/KnowledgeLayout.h"
#include "common/modPublic.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kIndex = KnowledgeLayout::kMainIndex;

// Why a folder that exists cannot be listed, or empty when it can.
QString Unreadable(const QFileInfo &folder, const QString &sShown)
{
    if (!folder.isReadable() || !folder.isExecutable())
        return QStringLiteral("%1: cannot be read (permission denied)").arg(sShown);
    return QString();
}

}  // namespace

BotFolder FindBotFolder(const QString &sFolder)
{
    BotFolder bot;
    const QFileInfo folder(sFolder);
    if (!folder.exists()) {
        bot.sError = QStringLiteral("%1: no such folder").arg(sFolder);
        return bot;
    }
    if (!folder.isDir()) {
        bot.sError = QStringLiteral("%1: a file, not a folder").arg(sFolder);
        return bot;
    }
    if (bot.sError = Unreadable(folder, sFolder); !bot.ok())
        return bot;
    const QDir dir(QDir::cleanPath(folder.absoluteFilePath()));
    const QFileInfo data(dir.filePath(QStringLiteral("data")));
    if (data.isDir() && !QFileInfo::exists(dir.filePath(kIndex))) {
        if (bot.sError = Unreadable(data, QDir(sFolder).filePath(QStringLiteral("data"))); !bot.ok())
            return bot;
        if (QFileInfo::exists(dir.filePath(QStringLiteral("data/") + kIndex))) {
            bot.sProgramFolder = dir.path();
            bot.sDataFolder = dir.filePath(QStringLiteral("data"));
            return bot;
        }
    }
    if (QFileInfo::exists(dir.filePath(kIndex))) {
        bot.sDataFolder = dir.path();
        bot.sProgramFolder = dir.dirName() == QLatin1String("data") ? QFileInfo(dir.path()).path() : dir.path();
        return bot;
    }
    bot.sError = QStringLiteral("%1: no %2 there, nor in its data/ (orvia-check --init FOLDER writes a starter bot)").arg(sFolder, kIndex);
    return bot;
}

bool CurrentFolderIsBot()
{
    return QFileInfo::exists(kIndex) || QFileInfo::exists(QStringLiteral("data/") + kIndex);
}

void UseBotFolder(const BotFolder &folder)
{
    modPublic::ProgramFolder = folder.sProgramFolder;
    // A data folder at the usual place needs no name of its own.
    modPublic::DataFolder = folder.sDataFolder == folder.sProgramFolder + QStringLiteral("/data") ? QString() : folder.sDataFolder;
}

QString MakeLogsFolder(const BotFolder &folder)
{
    const QString sLogs = folder.sProgramFolder + QStringLiteral("/logs");
    if (QFileInfo(sLogs).isDir() || QDir().mkpath(sLogs))
        return QString();
    return QStringLiteral("%1 cannot be created: the logs will not be written").arg(QDir::toNativeSeparators(sLogs));
}
