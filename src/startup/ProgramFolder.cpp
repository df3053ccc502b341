#include "startup/ProgramFolder.h"

#include "common/modPublic.h"
#include "logs/LogWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString CopyTree(const QString &sFrom, const QString &sTo)
{
    if (!QDir().mkpath(sTo))
        return QStringLiteral("the folder %1 cannot be created").arg(sTo);
    const QDir from(sFrom);
    QDirIterator it(sFrom, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo source(it.next());
        const QString sTarget = sTo + QLatin1Char('/') + from.relativeFilePath(source.filePath());
        if (source.isDir()) {
            if (!QDir().mkpath(sTarget))
                return QStringLiteral("the folder %1 cannot be created").arg(sTarget);
            continue;
        }
        QFile file(source.filePath());
        if (!file.copy(sTarget))
            return QStringLiteral("%1 cannot be copied to %2: %3").arg(source.filePath(), sTarget, file.errorString());
    }
    return QString();
}

QString PerUserProgramFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/orvia");
}

ProgramFolderSetup SetUpProgramFolder(const QString &sExecutableFolder)
{
    ProgramFolderSetup setup;
    const QString sExecutable = QDir::cleanPath(sExecutableFolder);
    setup.sShippedData = QDir::cleanPath(sExecutable + QStringLiteral("/../share/orvia/data"));
    if (QFileInfo(sExecutable + QStringLiteral("/data")).isDir()) {
        setup.sFolder = sExecutable;
        setup.bPortable = true;
        return setup;
    }

    setup.sFolder = QDir::cleanPath(PerUserProgramFolder());
    const QString sData = setup.sFolder + QStringLiteral("/data");
    const QString sLogs = setup.sFolder + QStringLiteral("/logs");
    if (QFileInfo(sData).isDir()) {
        // A logs folder the user removed comes back empty; nothing else is touched.
        if (!QDir().mkpath(sLogs))
            setup.sProblem = QStringLiteral("Orvia cannot create its logs folder %1.").arg(sLogs);
        return setup;
    }
    if (!QFileInfo(setup.sShippedData).isDir()) {
        setup.sProblem = QStringLiteral("Orvia cannot set up its folder %1: the knowledge base it ships with is "
                                        "missing (there is no folder %2, nor a data folder beside the program).")
                             .arg(setup.sFolder, setup.sShippedData);
        return setup;
    }

    // Copied under a scratch name and renamed at the end, so that a copy cut
    // short never passes for a knowledge base at the next start.
    const QString sPartial = setup.sFolder + QStringLiteral("/data.partial");
    QDir(sPartial).removeRecursively();
    QString sReason = CopyTree(setup.sShippedData, sPartial);
    if (sReason.isEmpty() && !QDir().rename(sPartial, sData))
        sReason = QStringLiteral("%1 cannot be renamed to %2").arg(sPartial, sData);
    if (sReason.isEmpty() && !QDir().mkpath(sLogs))
        sReason = QStringLiteral("the folder %1 cannot be created").arg(sLogs);
    if (!sReason.isEmpty()) {
        QDir(sPartial).removeRecursively();
        setup.sProblem = QStringLiteral("Orvia cannot set up its folder %1 with a copy of the knowledge base in %2: %3.")
                             .arg(setup.sFolder, setup.sShippedData, sReason);
        return setup;
    }
    setup.bCreated = true;
    return setup;
}

ProgramFolderSetup StartInProgramFolder(const QString &sExecutableFolder)
{
    ProgramFolderSetup setup = SetUpProgramFolder(sExecutableFolder);
    modPublic::ProgramFolder = setup.sFolder;
    if (setup.bCreated) {
        const LogEntry entry{QStringLiteral("Program Folder Created"), QStringLiteral("Start-up"),
                             QStringLiteral("Created %1 with a copy of the knowledge base in %2 and an empty logs folder")
                                 .arg(setup.sFolder, setup.sShippedData)};
        const LogWriteStatus written = WriteEventLog(entry, 1);
        if (!written)
            setup.sProblem = written.Message();
    }
    return setup;
}

BotFolder ChosenBotFolder(const QString &sGiven, QString *psNotice)
{
    if (!sGiven.isEmpty())
        return FindBotFolder(sGiven);
    if (CurrentFolderIsBot())
        return FindBotFolder(QStringLiteral("."));
    const ProgramFolderSetup setup = StartInProgramFolder(QCoreApplication::applicationDirPath());
    *psNotice = setup.sProblem;
    return FindBotFolder(setup.sFolder);
}
