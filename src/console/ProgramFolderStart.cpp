#include "console/ProgramFolderStart.h"

#include "common/modPublic.h"
#include "console/LogWriter.h"

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
