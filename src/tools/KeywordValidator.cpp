#include "tools/KeywordValidator.h"

#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "engine/KeywordIndex.h"
#include "engine/Randomizer.h"
#include "engine/ResponseFile.h"

#include <QFileInfo>
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

bool IsDataFile(const QString &sName)
{
    const DataFolder::Resolution resolved = DataFolder::Resolve(DataFolder::DataPath(sName));
    return !resolved.sPath.isEmpty() && QFileInfo(resolved.sPath).isFile();
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

    const QString sIndexPath = DataFolder::DataPath(IndexFileName());
    const DataFolder::Resolution resolved = DataFolder::Resolve(sIndexPath);
    TextFile::Failure failure;
    const std::optional<QString> text =
        resolved.sPath.isEmpty() ? std::nullopt : TextFile::ReadText(resolved.sPath, &failure);
    if (!text) {
        if (!QFileInfo::exists(resolved.sPath))
            Append(QStringLiteral("Keyword index file not found (%1)").arg(sIndexPath));
        else
            Append(QStringLiteral("Keyword index file could not be read (%1)").arg(failure.sDescription));
        Add(MissingFiles);
        Add(Errors);
        Show(MissingFiles);
        Show(Errors);
    } else {
        const QList<QStringView> lines = TextFile::SplitLines(*text);
        QString sSection;
        for (const QStringView sLine : lines) {
            Add(LineCounter);
            const IndexLine line = ClassifyIndexLine(sLine);
            switch (line.kind) {
            case IndexLine::Empty:
                Add(Blanks);
                Show(Blanks);
                break;
            case IndexLine::Comment:
                Add(Comments);
                Show(Comments);
                break;
            case IndexLine::Section:
                sSection = line.sSection.toString();
                Add(RefFound);
                if (!IsDataFile(sSection)) {
                    Add(MissingFiles);
                    Add(Errors);
                    Show(MissingFiles);
                    Append(QStringLiteral("Line ") + Number(m_counts.LineCounter) + QStringLiteral(" - Response file not found (")
                           + sSection + QLatin1Char(')'));
                }
                break;
            case IndexLine::Malformed:
                // Keeps the summary's sum whole: a broken section line is still
                // a reference, a broken keyword line still a keyword.
                if (sLine.front() == u'[') {
                    Add(RefFound);
                    sSection.clear();  // the search stops here, so nothing below it is answerable
                    Add(MissingReferences);
                    Add(Errors);
                    Show(MissingReferences);
                    Append(QStringLiteral("Line ") + Number(m_counts.LineCounter)
                           + QStringLiteral(" - Section line names no response file (") + sLine.toString() + QLatin1Char(')'));
                } else {
                    Add(WorkingWords);
                    Show(WorkingWords);
                    Add(MissingReferences);
                    Add(Errors);
                    Show(MissingReferences);
                    Append(QStringLiteral("Line ") + Number(m_counts.LineCounter)
                           + QStringLiteral(" - Keyword line too short for a code and a phrase (") + sLine.toString() + QLatin1Char(')'));
                }
                break;
            case IndexLine::Keyword: {
                Add(WorkingWords);
                Show(WorkingWords);
                const QString sPhrase = line.sPhrase.toString().toLower();
                const KeywordMatch match{sPhrase, line.sCode.toString(), sSection, QString()};
                QString sProblem;
                if (GetEntryForCheck(match, StatementsAndQuestions, &sProblem).sText.isEmpty())
                    MissingReference(sPhrase, line.sCode, sProblem);
                break;
            }
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

ResponseEntry KeywordValidator::GetEntryForCheck(const KeywordMatch &match, int mode, QString *psProblem)
{
    auto problem = [psProblem](const QString &sProblem) {
        if (psProblem)
            *psProblem = sProblem;
        return ResponseEntry{};
    };
    if (match.sFile.isEmpty())
        return problem(QStringLiteral("No response file is named for this keyword"));
    const DataFolder::Resolution resolved = DataFolder::Resolve(DataFolder::DataPath(match.sFile));
    if (resolved.sPath.isEmpty())
        return problem(resolved.sError);
    if (!QFileInfo::exists(resolved.sPath))
        return {};  // already reported at its section line
    TextFile::Failure failure;
    const std::optional<QString> text = TextFile::ReadText(resolved.sPath, &failure);
    if (!text)
        return problem(failure.sDescription);

    const GatheredBlock block = GatherBlock(TextFile::SplitLines(*text), match.sCode, mode);
    if (block.nStatements) {
        Add(Statements, block.nStatements);
        Show(Statements);
    }
    if (block.nQuestions) {
        Add(Questions, block.nQuestions);
        Show(Questions);
    }
    if (block.nShortAttributeLine)
        return problem(QStringLiteral("Attribute line %1 of %2 is shorter than nine characters")
                           .arg(block.nShortAttributeLine)
                           .arg(match.sFile));
    const qsizetype n = block.entries.size();
    if (n == 0)
        return {};

    Randomizer::ReseedFromClock();
    QString sEntry = block.entries[Randomizer::PickPosition(n) - 1].toString();
    // A lone "#" was picked: the entry before the last stands in, when there is one.
    if (sEntry.isEmpty() && n >= 2)
        sEntry = block.entries[n - 2].toString();
    return EntryFromLine(sEntry.toLower(), block.sAttribute);
}
