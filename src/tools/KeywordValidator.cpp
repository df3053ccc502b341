#include "tools/KeywordValidator.h"

#include "common/DataFolder.h"
#include "tools/IndexWalk.h"

#include <QPointer>

namespace {

using Counts = KeywordValidator::Counts;

int Counts::*FieldOf(KeywordValidator::Counter counter)
{
    switch (counter) {
    case KeywordValidator::LineCounter: return &Counts::LineCounter;
    case KeywordValidator::Blanks: return &Counts::sBlanks;
    case KeywordValidator::Comments: return &Counts::sComments;
    case KeywordValidator::WorkingWords: return &Counts::sWorkingWords;
    case KeywordValidator::RefFound: return &Counts::RefFound;
    case KeywordValidator::MissingFiles: return &Counts::sMissingFiles;
    case KeywordValidator::MissingReferences: return &Counts::sMissingReferences;
    case KeywordValidator::Errors: return &Counts::sErrors;
    case KeywordValidator::Statements: return &Counts::sStatements;
    case KeywordValidator::Questions: return &Counts::sQuestions;
    }
    return &Counts::LineCounter;
}

constexpr KeywordValidator::Counter kAllCounters[] = {
    KeywordValidator::LineCounter,       KeywordValidator::Blanks,       KeywordValidator::Comments,
    KeywordValidator::WorkingWords,      KeywordValidator::RefFound,     KeywordValidator::MissingFiles,
    KeywordValidator::MissingReferences, KeywordValidator::Errors,       KeywordValidator::Statements,
    KeywordValidator::Questions,
};

const QString kIndent = QStringLiteral("     ");

QString Number(int n)
{
    return QString::number(n);
}

}  // namespace

int KeywordValidator::Counts::Value(Counter counter) const
{
    return this->*FieldOf(counter);
}

KeywordValidator::KeywordValidator(QObject *parent)
    : QObject(parent)
{
}

void KeywordValidator::Add(Counter counter, int nAmount)
{
    m_counts.*FieldOf(counter) += nAmount;
}

void KeywordValidator::Show(Counter counter)
{
    emit CounterChanged(counter, m_counts.Value(counter));
}

void KeywordValidator::Append(const QString &sLine, bool bSummary)
{
    m_sReport += QStringLiteral("\r\n") + sLine;
    emit ReportLine(sLine, bSummary);
}

void KeywordValidator::MissingReference(QStringView sPhrase, QStringView sCode, const QString &sProblem)
{
    Add(MissingReferences);
    Add(Errors);
    Show(MissingReferences);
    Append(QStringLiteral("Checking Keyword: ") + sPhrase.toString() + QStringLiteral("(Line: ") + Number(m_counts.LineCounter)
           + QStringLiteral(" Number: ") + sCode.toString() + QLatin1Char(')'));
    Append(QStringLiteral("!!!! --- Responses Not Found --- !!!! "));
    if (!sProblem.isEmpty())
        Append(kIndent + sProblem);
}

void KeywordValidator::Run()
{
    if (m_running)
        return;
    // A handler of LineDone runs the event loop, which may delete this object.
    const QPointer<KeywordValidator> alive(this);
    m_running = true;
    m_stopRequested = false;
    m_counts = Counts{};
    m_sReport.clear();
    emit WalkStarted();
    emit ReportCleared();
    // Every display starts again from zero, so no count of an earlier walk lingers.
    for (Counter counter : kAllCounters)
        Show(counter);

    KnowledgeFiles files;  // read afresh for each walk, once each
    IndexWalk walk(files, IndexFileName());
    if (!walk.Index().Readable()) {
        if (!walk.Index().bExists)
            Append(QStringLiteral("Keyword index file not found (%1)").arg(DataFolder::DataPath(IndexFileName())));
        else
            Append(QStringLiteral("Keyword index file could not be read (%1)").arg(walk.Index().sError));
        Add(MissingFiles);
        Add(Errors);
        Show(MissingFiles);
        Show(Errors);
    }
    while (walk.Next()) {
        const WalkLine &line = walk.Line();
        Add(LineCounter);
        switch (line.index.kind) {
        case IndexLine::Empty:
            Add(Blanks);
            Show(Blanks);
            break;
        case IndexLine::Comment:
            Add(Comments);
            Show(Comments);
            break;
        case IndexLine::Section:
            Add(RefFound);
            if (!line.sectionFile->bExists) {
                Add(MissingFiles);
                Add(Errors);
                Show(MissingFiles);
                Append(QStringLiteral("Line ") + Number(m_counts.LineCounter) + QStringLiteral(" - Response file not found (")
                       + line.sSection + QLatin1Char(')'));
            }
            break;
        case IndexLine::Malformed:
            // Keeps the summary's sum whole: a broken section line is still
            // a reference, a broken keyword line still a keyword.
            if (line.sText.front() == u'[') {
                Add(RefFound);
                Add(MissingReferences);
                Add(Errors);
                Show(MissingReferences);
                Append(QStringLiteral("Line ") + Number(m_counts.LineCounter)
                       + QStringLiteral(" - Section line names no response file (") + line.sText.toString() + QLatin1Char(')'));
            } else {
                Add(WorkingWords);
                Show(WorkingWords);
                Add(MissingReferences);
                Add(Errors);
                Show(MissingReferences);
                Append(QStringLiteral("Line ") + Number(m_counts.LineCounter)
                       + QStringLiteral(" - Keyword line too short for a code and a phrase (") + line.sText.toString() + QLatin1Char(')'));
            }
            break;
        case IndexLine::Keyword:
            Add(WorkingWords);
            Show(WorkingWords);
            // Each keyword line counts the entries of its block, as if it read them again.
            if (const CodeBlock *block = line.answer.block) {
                if (block->gathered.nStatements) {
                    Add(Statements, block->gathered.nStatements);
                    Show(Statements);
                }
                if (block->gathered.nQuestions) {
                    Add(Questions, block->gathered.nQuestions);
                    Show(Questions);
                }
            }
            if (!line.answer.Usable())
                MissingReference(line.sPhrase, line.index.sCode, line.answer.Detail());
            break;
        }
        Show(LineCounter);
        Show(Errors);
        emit LineDone();
        if (!alive)
            return;
        if (m_stopRequested) {
            Append(QStringLiteral("Validation stopped after line %1 of %2").arg(m_counts.LineCounter).arg(IndexFileName()));
            m_running = false;
            emit WalkFinished(false);
            return;
        }
    }
    AppendSummary();
    m_running = false;
    emit WalkFinished(true);
}

void KeywordValidator::AppendSummary()
{
    const Counts &c = m_counts;
    Append(QStringLiteral("Validation Report Log"), true);
    Append(Number(c.sWorkingWords) + QStringLiteral(" Keywords + ") + Number(c.sComments) + QStringLiteral(" Comments Lines + ")
               + Number(c.sBlanks) + QStringLiteral(" Blank Lines + ") + Number(c.RefFound) + QStringLiteral(" References = ")
               + Number(c.LineCounter) + QStringLiteral(" Lines"),
           true);
    Append(QStringLiteral("No. Errors - ") + Number(c.sErrors), true);
    Append(kIndent + QStringLiteral("No. of Missing References: ") + Number(c.sMissingReferences), true);
    Append(kIndent + QStringLiteral("No. of Missing Files: ") + Number(c.sMissingFiles), true);
    Append(c.sErrors == 0 ? QStringLiteral("The Operation was completed Successfully")
                          : QStringLiteral("The Operation was completed but errors were encountered"),
           true);
}
