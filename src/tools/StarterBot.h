#pragma once

#include <QString>
#include <QStringList>

// A small bot to start from: the main index, one response file whose pets
// block asks a question with a follow-up index for the reply, the name
// question's, the welcome's and the fallback's files, each with comments that
// say what it is for, and an empty logs/. It checks clean and chats.
namespace StarterBot {

struct Result {
    QStringList files;  // written, relative to the folder
    QString sError;     // why nothing was written; empty when all was
};

// Writes into FOLDER/data/ and FOLDER/logs/, creating FOLDER when it is
// missing. Refuses a FOLDER that already holds data/ or keywords.txt: nothing
// a botmaster wrote is ever overwritten.
Result Write(const QString &sFolder);

}  // namespace StarterBot
