#pragma once

#include "common/KeywordMatch.h"

#include <QHash>
#include <QString>

// Process-wide state. Everything runs on the one user-interface thread, so
// nothing here is locked.
namespace modPublic {

extern QString UserName;
extern QString KeywordIndexFile;  // "keywords.txt" from start-up on
extern bool DebugMode;
extern bool VoiceMode;
extern bool ConsoleLoaded;
extern QString FollowUpFile;
extern KeywordMatch LastMatch;
extern QString ProgramFolder;     // folder of the executable, without a trailing "/"
extern QString DataFolder;        // the knowledge base when it is not ProgramFolder/data; else empty
// The entry (from 0) each block last gave in the conversation under way, by
// response file and code, so that a block answering again gives another.
extern QHash<QString, qsizetype> LastEntries;

// Back to the values at program start (tests use this between cases).
void Reset();

}  // namespace modPublic
