#pragma once

#include "common/ProgramFolderSetup.h"

// Start-up of every program: sets up the program folder for the executable in
// sExecutableFolder (see SetUpProgramFolder), makes it modPublic::ProgramFolder
// and, when this start created the per-user folder, writes an event-log entry
// saying so. sProblem of the result holds what the user must be told (a setup
// failure or a failed log write); the caller decides how to show it.
ProgramFolderSetup StartInProgramFolder(const QString &sExecutableFolder);
