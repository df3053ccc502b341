#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// What orvia-test was asked to do.
struct TestCommandLine {
    enum Mode { Run, Record, Compare, CompareGit, Fallbacks } mode = Run;
    QStringList testFiles;  // Run
    QString sRecordTo;      // Record: the test file to write
    QString sRevision;      // CompareGit
    QString sSentences;     // Record, Compare, CompareGit, Fallbacks
    QString sOld, sNew;     // Compare
    QString sFolder;        // the knowledge base; empty when none was given
    std::optional<QString> name;
    std::optional<quint64> seed;
    bool json = false;
    QString sJUnit;
    bool help = false;
    bool version = false;
    QString sError;  // why it cannot run; empty when it can
};

// arguments[0] is the program. A FOLDER given to a run is told from the test
// files by being a folder.
TestCommandLine ParseTestCommandLine(const QStringList &arguments);
QString TestHelpText();
