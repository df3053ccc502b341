#pragma once

#include "common/KnowledgeLayout.h"

#include <QObject>
#include <QString>

// The validator's walk over the main keyword index: checks that every section
// names a response file that exists and every keyword line leads to a usable
// answer, counting what it meets and reporting it as the window shows it. The
// lines themselves come from IndexWalk, which the command-line checker shares.
class KeywordValidator : public QObject {
    Q_OBJECT

public:
    enum Counter {
        LineCounter,
        Blanks,
        Comments,
        WorkingWords,
        RefFound,
        MissingFiles,
        MissingReferences,
        Errors,
        Statements,
        Questions,
    };
    Q_ENUM(Counter)

    struct Counts {
        int LineCounter = 0;
        int sBlanks = 0;
        int sComments = 0;
        int sWorkingWords = 0;
        int RefFound = 0;
        int sMissingFiles = 0;
        int sMissingReferences = 0;
        int sErrors = 0;
        int sStatements = 0;
        int sQuestions = 0;

        int Value(Counter counter) const;
    };

    explicit KeywordValidator(QObject *parent = nullptr);

    // One walk from the first line of data/keywords.txt to the last, unless
    // RequestStop() is called meanwhile (from a LineDone handler, say).
    void Run();
    void RequestStop() { m_stopRequested = true; }
    bool IsRunning() const { return m_running; }

    const Counts &counts() const { return m_counts; }
    // Every report line so far, each preceded by CR LF.
    const QString &Report() const { return m_sReport; }

    static QString IndexFileName() { return KnowledgeLayout::kMainIndex; }

signals:
    void WalkStarted();
    void ReportCleared();
    // bSummary is true for the closing summary lines.
    void ReportLine(const QString &sLine, bool bSummary);
    void CounterChanged(KeywordValidator::Counter counter, int nValue);
    // After every index line; a window lets its event loop run here.
    void LineDone();
    void WalkFinished(bool bCompleted);

private:
    void Add(Counter counter, int nAmount = 1);
    void Show(Counter counter);
    void Append(const QString &sLine, bool bSummary = false);
    void AppendSummary();
    void MissingReference(QStringView sPhrase, QStringView sCode, const QString &sProblem);
    int &Field(Counter counter);

    Counts m_counts;
    QString m_sReport;
    bool m_running = false;
    bool m_stopRequested = false;
};
