// orvia-test: the conversations a knowledge base must hold, what an edit
// changes before it is kept, and the unanswered sentences grouped into work.
#include "cli/BaseCompare.h"
#include "cli/ConvoChat.h"
#include "cli/ConvoFile.h"
#include "cli/ConvoRecorder.h"
#include "cli/ConvoReport.h"
#include "cli/ConvoRunner.h"
#include "cli/FallbackGroups.h"
#include "cli/GitSnapshot.h"
#include "cli/ProgramOutput.h"
#include "cli/QuietBase.h"
#include "cli/SentencesFile.h"
#include "cli/TestCommandLine.h"
#include "common/DataFolder.h"
#include "common/KnowledgeLayout.h"
#include "common/TextFile.h"
#include "common/modPublic.h"
#include "engine/Randomizer.h"
#include "startup/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

#include <cstdio>

namespace {

int CannotRun(const QString &sReason)
{
    return CannotRunAs("orvia-test", sReason);
}

std::optional<QByteArray> ReadFile(const QString &sPath, QString *psError)
{
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *psError = QStringLiteral("%1: cannot be read: %2").arg(sPath, file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

// The base FOLDER names (orvia-check's rule), refused without a readable main index.
std::optional<BotFolder> OpenBase(const QString &sFolder, QString *psError)
{
    QString sNotice;
    const BotFolder bot = ChosenBotFolder(sFolder, &sNotice);
    if (!sNotice.isEmpty())
        Print(stderr, QStringLiteral("orvia-test: %1\n").arg(sNotice));
    if (!bot.ok()) {
        *psError = bot.sError;
        return std::nullopt;
    }
    TextFile::Failure failure;
    if (!TextFile::ReadBytes(bot.sDataFolder + QLatin1Char('/') + KnowledgeLayout::kMainIndex, &failure)) {
        *psError = QStringLiteral("the main index cannot be read: ") + failure.sDescription;
        return std::nullopt;
    }
    return bot;
}

std::optional<SentencesFile> ReadSentences(const QString &sPath, QString *psError)
{
    const std::optional<QByteArray> bytes = ReadFile(sPath, psError);
    if (!bytes)
        return std::nullopt;
    SentencesFile sentences = SentencesFile::Parse(*bytes);
    if (sentences.SentenceCount() == 0) {
        *psError = sPath + QStringLiteral(": no sentence in it");
        return std::nullopt;
    }
    return sentences;
}

// Every test file read before anything runs: one malformed line stops the run.
std::optional<QList<ConvoFile>> ReadTestFiles(const QStringList &paths)
{
    QList<ConvoFile> files;
    bool ok = true;
    for (const QString &sPath : paths) {
        QString sError;
        const std::optional<QByteArray> bytes = ReadFile(sPath, &sError);
        if (!bytes) {
            CannotRun(sError);
            ok = false;
            continue;
        }
        files << ConvoFile::Parse(*bytes);
        for (const ConvoFile::Error &e : files.last().Errors())
            Print(stderr, e.nLine ? QStringLiteral("%1:%2: error: %3\n").arg(sPath).arg(e.nLine).arg(e.sMessage)
                                  : QStringLiteral("%1: error: %2\n").arg(sPath, e.sMessage));
        if (files.last().UnreadLines())
            Print(stderr, QStringLiteral("%1: %2 more lines not read after %3 errors\n").arg(sPath).arg(files.last().UnreadLines()).arg(ConvoFile::kMaxErrors));
        ok = ok && files.last().Ok();
    }
    if (!ok)
        return std::nullopt;
    return files;
}

int RunTests(const TestCommandLine &cmd, QuietBase &quiet, const BotFolder &bot)
{
    const std::optional<QList<ConvoFile>> files = ReadTestFiles(cmd.testFiles);
    if (!files)
        return CannotRun(QStringLiteral("nothing was run"));
    quiet.Use(bot);
    ConvoRunner runner;
    for (qsizetype i = 0; i < files->size(); ++i)
        runner.Run(cmd.testFiles[i], (*files)[i]);
    Print(stdout, cmd.json ? QString::fromUtf8(ConvoReport::Json(runner)) : ConvoReport::Text(runner));
    if (!cmd.sJUnit.isEmpty()) {
        QFile junit(cmd.sJUnit);
        if (!junit.open(QIODevice::WriteOnly | QIODevice::Truncate) || junit.write(ConvoReport::JUnit(runner)) < 0)
            return CannotRun(QStringLiteral("%1: cannot be written: %2").arg(cmd.sJUnit, junit.errorString()));
    }
    return runner.Failed() > 0 ? 1 : 0;
}

int Record(const TestCommandLine &cmd, QuietBase &quiet, const BotFolder &bot, const SentencesFile &sentences)
{
    quiet.Use(bot);
    const QString sText = ConvoRecorder::Record(sentences, cmd.name, cmd.sSentences);
    QFile out(cmd.sRecordTo);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(sText.toUtf8()) < 0)
        return CannotRun(QStringLiteral("%1: cannot be written: %2").arg(cmd.sRecordTo, out.errorString()));
    Print(stdout, QStringLiteral("wrote %1: %2 conversations, %3 sentences\n")
                      .arg(cmd.sRecordTo)
                      .arg(sentences.Conversations().size())
                      .arg(sentences.SentenceCount()));
    return 0;
}

int Compare(const TestCommandLine &cmd, QuietBase &quiet, const BotFolder &before, const BotFolder &after, const SentencesFile &sentences)
{
    quiet.Use(before);
    const QList<TurnOutcome> old = ConvoChat::AnswerAll(sentences, cmd.name);
    quiet.Use(after);
    const BaseCompare compare(sentences, old, ConvoChat::AnswerAll(sentences, cmd.name));
    Print(stdout, compare.ReportLines(cmd.sSentences).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return compare.Moves().isEmpty() ? 0 : 1;
}

// The sentences of chat turns that the fallback block answered, each once with how often.
QList<FallbackGroups::Sentence> FallbackSentences(const SentencesFile &sentences, const QList<TurnOutcome> &outcomes, const QString &sFile)
{
    QList<FallbackGroups::Sentence> out;
    QHash<QString, qsizetype> seen;
    qsizetype i = 0;
    for (const SentencesFile::Conversation &conversation : sentences.Conversations()) {
        for (const SentencesFile::Sentence &sentence : conversation) {
            const TurnOutcome &outcome = outcomes[i++];
            if (outcome.nameTurn || outcome.watchWord || !outcome.trace.match.sKeyword.isEmpty())
                continue;
            if (seen.contains(sentence.sText)) {
                ++out[seen.value(sentence.sText)].nTimes;
                continue;
            }
            seen.insert(sentence.sText, out.size());
            out.append({sentence.sText, 1, QStringLiteral("%1:%2").arg(sFile).arg(sentence.nLine)});
        }
    }
    return out;
}

int Fallbacks(const TestCommandLine &cmd, QuietBase &quiet, const BotFolder &bot, const SentencesFile &sentences)
{
    quiet.Use(bot);
    const QList<TurnOutcome> outcomes = ConvoChat::AnswerAll(sentences, cmd.name);
    const FallbackGroups groups(FallbackSentences(sentences, outcomes, cmd.sSentences), FallbackGroups::StopWords());
    const QString sIndex = TextFile::ReadText(DataFolder::DataPath(modPublic::KeywordIndexFile)).value_or(QString());
    QStringList lines = groups.ReportLines(TextFile::SplitLines(sIndex), QStringLiteral("data/%1").arg(KnowledgeLayout::kMainIndex));
    lines << QStringLiteral("%1 of %2 sentences answered by the fallback block").arg(groups.SentenceCount()).arg(outcomes.size());
    Print(stdout, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return 0;
}

// The modes that answer a file of sentences.
int RunOnSentences(const TestCommandLine &cmd, QuietBase &quiet)
{
    QString sError;
    const std::optional<SentencesFile> sentences = ReadSentences(cmd.sSentences, &sError);
    if (!sentences)
        return CannotRun(sError);
    if (cmd.mode == TestCommandLine::Compare) {
        const std::optional<BotFolder> before = OpenBase(cmd.sOld, &sError);
        const std::optional<BotFolder> after = before ? OpenBase(cmd.sNew, &sError) : std::nullopt;
        return after ? Compare(cmd, quiet, *before, *after, *sentences) : CannotRun(sError);
    }
    const std::optional<BotFolder> bot = OpenBase(cmd.sFolder, &sError);
    if (!bot)
        return CannotRun(sError);
    if (cmd.mode == TestCommandLine::Record)
        return Record(cmd, quiet, *bot, *sentences);
    if (cmd.mode == TestCommandLine::Fallbacks)
        return Fallbacks(cmd, quiet, *bot, *sentences);
    GitSnapshot snapshot;
    if (!snapshot.Export(cmd.sRevision, bot->sDataFolder))
        return CannotRun(QStringLiteral("%1 as of %2: %3").arg(bot->sDataFolder, cmd.sRevision, snapshot.Error()));
    const BotFolder old = FindBotFolder(snapshot.Path());
    if (!old.ok())
        return CannotRun(QStringLiteral("%1 as of %2: %3").arg(bot->sDataFolder, cmd.sRevision, old.sError));
    return Compare(cmd, quiet, old, *bot, *sentences);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const TestCommandLine cmd = ParseTestCommandLine(QCoreApplication::arguments());
    if (!cmd.sError.isEmpty())
        return CannotRun(cmd.sError);
    if (cmd.help) {
        Print(stdout, TestHelpText());
        return 0;
    }
    if (cmd.version) {
        Print(stdout, QStringLiteral("orvia-test (Orvia) %1\n").arg(QStringLiteral(ORVIA_VERSION)));
        return 0;
    }
    QuietBase quiet;
    if (!quiet.Problem().isEmpty())
        return CannotRun(quiet.Problem());
    if (cmd.seed)
        Randomizer::UseFixedSeed(*cmd.seed);
    if (cmd.mode != TestCommandLine::Run)
        return RunOnSentences(cmd, quiet);
    QString sError;
    const std::optional<BotFolder> bot = OpenBase(cmd.sFolder, &sError);
    return bot ? RunTests(cmd, quiet, *bot) : CannotRun(sError);
}
