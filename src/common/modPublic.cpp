#include "common/modPublic.h"

namespace modPublic {

QString UserName;
QString KeywordIndexFile;
bool DebugMode = false;
bool VoiceMode = false;
bool ConsoleLoaded = false;
QString FollowUpFile;
KeywordMatch LastMatch;
QString ProgramFolder;
QString DataFolder;
QHash<QString, qsizetype> LastEntries;

void Reset()
{
    UserName.clear();
    KeywordIndexFile.clear();
    DebugMode = false;
    VoiceMode = false;
    ConsoleLoaded = false;
    FollowUpFile.clear();
    LastMatch = KeywordMatch{};
    ProgramFolder.clear();
    DataFolder.clear();
    LastEntries.clear();
}

}  // namespace modPublic
