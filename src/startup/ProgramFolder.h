#pragma once

#include "common/BotFolder.h"

#include <QString>

// Where the program keeps data/ and logs/. The folder of the executable when
// data/ sits beside it (the build folder, a portable folder); otherwise, for an
// installed program whose executable folder is not writable, a per-user folder
// ($XDG_DATA_HOME/orvia, by default ~/.local/share/orvia). The per-user folder is
// created at the first start with a copy of the knowledge base shipped in
// ../share/orvia/data relative to the executable and an empty logs/; after that
// it is never overwritten, so the user's edits survive an upgrade.
struct ProgramFolderSetup {
    QString sFolder;          // the program folder, without a trailing "/"
    bool bPortable = false;   // data/ sits beside the executable
    bool bCreated = false;    // this call seeded the per-user folder
    QString sShippedData;     // the shipped knowledge base it is seeded from
    QString sProblem;         // what the user must be told; empty when all is well

    bool ok() const { return sProblem.isEmpty(); }
};

// Chooses the program folder for an executable in sExecutableFolder and seeds the
// per-user folder when it has no data/ yet. Touches no process-wide state; never
// throws.
ProgramFolderSetup SetUpProgramFolder(const QString &sExecutableFolder);

// Copies the tree under sFrom into sTo, which must not hold any of its files
// yet; empty when all was copied, else why not. QFile::copy makes each copy
// writable for its owner, though the shipped files are read-only: a botmaster
// edits the copy.
QString CopyTree(const QString &sFrom, const QString &sTo);

// The per-user program folder: $XDG_DATA_HOME/orvia.
QString PerUserProgramFolder();

// Start-up of every program given no FOLDER: sets up the program folder for the
// executable in sExecutableFolder (see SetUpProgramFolder), makes it
// modPublic::ProgramFolder and, when this start created the per-user folder,
// writes an event-log entry saying so. sProblem of the result holds what the
// user must be told (a setup failure or a failed log write); the caller decides
// how to show it.
ProgramFolderSetup StartInProgramFolder(const QString &sExecutableFolder);

// The knowledge base FOLDER names, for the command-line programs; without
// FOLDER, the current folder when it is one, else the program folder every
// program uses, set up as orvia sets it up. A setup problem lands in *psNotice:
// told, not fatal, since the folder is judged next.
BotFolder ChosenBotFolder(const QString &sGiven, QString *psNotice);
