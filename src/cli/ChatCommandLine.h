#pragma once

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

// The program folder for FOLDER: FOLDER itself when it holds data/keywords.txt,
// its parent when FOLDER is that data/ folder. Empty, with the reason in
// *psError, when neither is so.
QString ProgramFolderFor(const QString &sFolder, QString *psError);

// FOLDER as given; without it, the program folder every program uses, set up as
// orvia sets it up. A setup problem lands in *psNotice: told, not fatal, since
// ProgramFolderFor judges the folder next.
QString GivenOrDefaultFolder(const QString &sGiven, QString *psNotice);
