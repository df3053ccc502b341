#include "common/modPublic.h"

namespace modPublic {

QString UserName;
QString KeywordIndexFile;
bool DebugMode = false;
bool VoiceMode = false;
bool ConsoleLoaded = false;
QString ProgramFolder;
QString DataFolder;

void Reset()
{
    UserName.clear();
    KeywordIndexFile.clear();
    DebugMode = false;
    VoiceMode = false;
    ConsoleLoaded = false;
    ProgramFolder.clear();
    DataFolder.clear();
}

}  // namespace modPublic
