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
// The value of --seed; nullopt, with the reason in *psError, when it is no seed.
std::optional<quint64> ParseSeed(const QString &sValue, QString *psError);
