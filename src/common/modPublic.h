#pragma once

#include <QString>

// Process-wide state. Everything runs on the one user-interface thread, so
// nothing here is locked.
namespace modPublic {

extern QString UserName;          // of the chat last used; the debugging commands' lookups name it
extern QString KeywordIndexFile;  // "keywords.txt" from start-up on
extern bool DebugMode;
extern bool VoiceMode;
extern bool ConsoleLoaded;
extern QString ProgramFolder;     // folder of the executable, without a trailing "/"
extern QString DataFolder;        // the knowledge base when it is not ProgramFolder/data; else empty

// Back to the values at program start (tests use this between cases).
void Reset();

}  // namespace modPublic
