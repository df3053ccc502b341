#pragma once

#include "cli/ConvoFile.h"

#include <QList>
#include <QString>
#include <QStringList>

// One expectation that did not hold.
struct ConvoFailure {
    int nLine = 0;  // of the expectation in its test file
    QString sExpected;
    QString sGot;
    QStringList entries;  // "data/FILE:LINE: "text"" of each entry that breaks a check of the text
    QString sSay;    // the sentence
    QString sReply;  // the reply drawn
    QStringList trace;
};

// One conversation of a test file and what failed in it.
struct ConvoCase {
    QString sFile;  // as given on the command line
    int nLine = 0;
    QString sTitle;  // its first sentence
    int nTurns = 0;
    int nExpectations = 0;
    QList<ConvoFailure> failures;
};

// Runs the conversations of test files against the knowledge base in use,
// each as a fresh chat, and judges every expectation.
class ConvoRunner {
public:
    void Run(const QString &sFile, const ConvoFile &file);

    const QList<ConvoCase> &Cases() const { return m_cases; }
    int Turns() const;
    int Expectations() const;
    int Failed() const;

private:
    QList<ConvoCase> m_cases;
};
