#pragma once

#include <QString>

// The knowledge base a program was pointed at: a program folder holding
// data/keywords.txt, or a data folder holding keywords.txt itself, whatever its
// name. A data folder named "data" keeps its logs beside it, in ../logs, as the
// program folder would; any other keeps them inside, in logs/.
struct BotFolder {
    QString sProgramFolder;  // where logs/ is; empty when refused
    QString sDataFolder;     // where keywords.txt is
    QString sError;          // why the folder was refused

    bool ok() const { return sError.isEmpty(); }
};

BotFolder FindBotFolder(const QString &sFolder);

// Whether the current folder is a knowledge base (it or its data/ holds
// keywords.txt), for programs started without a FOLDER inside one.
bool CurrentFolderIsBot();

// Points every reader and writer at the folder.
void UseBotFolder(const BotFolder &folder);

// Creates logs/ when it is missing, for the programs that write logs; the
// reason when it cannot, else empty.
QString MakeLogsFolder(const BotFolder &folder);
