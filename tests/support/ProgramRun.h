#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of a command-line program to its end, as a user runs it from a shell.
struct ProgramRun {
    int exitCode = -1;  // -1 when it did not end within a minute
    QString sOut;
    QString sErr;
};

// The input is written to its standard input, which is then closed.
ProgramRun RunProgram(const QString &sProgram, const QStringList &args, const QByteArray &input = {}, const QString &sWorkingFolder = {});
