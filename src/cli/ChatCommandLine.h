#pragma once

#include "common/BotFolder.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// What orvia-chat was asked to do.
struct ChatCommandLine {
    QString sFolder;  // as given; empty when none was
    std::optional<QString> name;
    std::optional<quint64> seed;
    bool trace = false;
    bool report = false;
    bool help = false;
    bool version = false;
    QString sError;  // why it cannot run; empty when it can
};

// arguments[0] is the program.
ChatCommandLine ParseChatCommandLine(const QStringList &arguments);
QString ChatHelpText();
// The value of --seed; nullopt, with the reason in *psError, when it is no seed.
std::optional<quint64> ParseSeed(const QString &sValue, QString *psError);

// The knowledge base FOLDER names; without FOLDER, the current folder when it
// is one, else the program folder every program uses, set up as orvia sets it
// up. A setup problem lands in *psNotice: told, not fatal, since the folder is
// judged next.
BotFolder ChosenBotFolder(const QString &sGiven, QString *psNotice);
