// GetReply against keyword indexes whose only matching line is the last one,
// next to a floor that reads the same file and splits it into lines without
// decoding. Prints the ratio of the two at each size, and at 1,000 lines what
// share of a reply the normalising pass takes and the ratio of a reply whose
// draw passes over the last entry to one whose draw does not.
#include "MedianReporter.h"
#include "common/modPublic.h"
#include "engine/Reply.h"
#include "engine/Substitutions.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

QTemporaryDir *programFolder = nullptr;

QString IndexName(int nLines)
{
    return QStringLiteral("keywords%1.txt").arg(nLines);
}

void WriteFile(const QString &sPath, const QByteArray &bytes)
{
    QFile file(sPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

// Phrases that look like real ones but never occur in the test sentence.
void WriteIndex(int nLines)
{
    QByteArray bytes = "/ generated index\r\n[answers.txt]\r\n";
    for (int i = 1; i < nLines; ++i)
        bytes += "0001 i would like topic " + QByteArray::number(i) + " please\r\n";
    bytes += "0002 needle\r\n";
    WriteFile(programFolder->path() + "/data/" + IndexName(nLines), bytes);
}

void Setup()
{
    programFolder = new QTemporaryDir;
    QDir(programFolder->path()).mkdir("data");
    QDir(programFolder->path()).mkdir("logs");
    modPublic::ProgramFolder = programFolder->path();
    WriteFile(programFolder->path() + "/data/answers.txt",
              "*0001\r\n# no\r\n*0002\r\n# found [following]\r\n$what about [next]?\r\n*\r\n");
    for (int n : {1000, 10000, 100000})
        WriteIndex(n);
    if (!QFile::copy(QStringLiteral(ORVIA_SUBSTITUTIONS), programFolder->path() + "/data/substitutions.txt"))
        std::abort();
    // As a table saved a while ago: one saved in the last seconds is read again at every reply.
    QThread::sleep(3);
}

const QString kSentence = QStringLiteral("I think teh needle is in the haystack, dont u");

// range(1): 1 keeps the shipped substitution table in data/ and lets the draw
// pass over the entry it gave last; 0 keeps the table but forgets the last
// entry before each reply, so the draw never passes over one.
void BM_GetReply(benchmark::State &state)
{
    const int nLines = int(state.range(0));
    const bool remember = state.range(1) != 0;
    modPublic::KeywordIndexFile = IndexName(nLines);
    Conversation conversation;
    for (auto _ : state) {
        conversation.lastMatch = KeywordMatch{};  // one search per reply, no repeat search
        if (!remember)
            conversation.lastEntries.clear();
        ReplyResult r = GetReply(conversation, kSentence);
        if (r.sText.isEmpty())
            state.SkipWithError("no reply");
        benchmark::DoNotOptimize(r);
    }
}

// The normalising pass of one reply alone: asking whether the table changed, and the sentence through it.
void BM_Normalise(benchmark::State &state)
{
    for (auto _ : state) {
        QString s = Substitutions::Normalise(kSentence);
        benchmark::DoNotOptimize(s);
    }
}

void BM_ReadAndSplitFloor(benchmark::State &state)
{
    const QString sPath = programFolder->path() + "/data/" + IndexName(int(state.range(0)));
    for (auto _ : state) {
        QFile file(sPath);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open");
        const QByteArray bytes = file.readAll();
        std::size_t nLines = 0;
        QByteArrayView rest(bytes);
        while (!rest.isEmpty()) {
            const qsizetype end = rest.indexOf('\n');
            QByteArrayView line = end < 0 ? rest : rest.first(end);
            benchmark::DoNotOptimize(line);
            ++nLines;
            rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        }
        benchmark::DoNotOptimize(nLines);
    }
}

BENCHMARK(BM_GetReply)->Args({1000, 0})->Args({1000, 1})->Args({10000, 0})->Args({100000, 0})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Normalise)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadAndSplitFloor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void PrintRatios(const MedianReporter &reporter)
{
    std::printf("\n%-10s %14s %14s %8s\n", "lines", "GetReply (us)", "floor (us)", "ratio");
    for (int n : {1000, 10000, 100000}) {
        const std::string arg = "/" + std::to_string(n);
        const auto reply = reporter.Time("BM_GetReply" + arg + "/0");
        const auto floor = reporter.Time("BM_ReadAndSplitFloor" + arg);
        if (reply && floor)
            std::printf("%-10d %14.1f %14.1f %8.2f\n", n, *reply, *floor, *reply / *floor);
    }
    const auto forget = reporter.Time("BM_GetReply/1000/0"), remember = reporter.Time("BM_GetReply/1000/1");
    const auto normalise = reporter.Time("BM_Normalise");
    if (forget && remember && normalise)
        std::printf("\nat 1000 lines: the normalising pass %.1f us of a %.1f us reply (%.3f); the no-repeat draw %.1f us against %.1f us "
                    "(ratio %.3f)\n",
                    *normalise, *remember, *normalise / *remember, *remember, *forget, *remember / *forget);
}

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Setup();
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter);
    benchmark::Shutdown();
    delete programFolder;
    return 0;
}
