// The knowledge-base walk (orvia-check's, the validator's without its window,
// and the validator window's Start) on generated bases, next to a floor that
// reads every file of the same base once and splits it into lines. Prints the
// ratios at the end. The window is shown on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
//
// check_bench --write-base DIR writes the bases into DIR/<lines>-<files>/ and
// exits, so that orvia-check can be timed on them as a program.
#include "MedianReporter.h"
#include "common/TextFile.h"
#include "common/modPublic.h"
#include "tools/KeywordValidator.h"
#include "tools/FrmValidKeyword.h"
#include "tools/KnowledgeCheck.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace {

struct Layout {
    int nLines;
    int nFiles;
};
constexpr Layout kLayouts[] = {{10000, 10}, {100000, 100}, {100000, 1}};

QString LayoutName(const Layout &layout)
{
    return QStringLiteral("%1-%2").arg(layout.nLines).arg(layout.nFiles);
}

void WriteFile(const QString &sPath, const QByteArray &bytes)
{
    QFile file(sPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

// Four characters, so 36^4 codes: enough for a file of 100,000 blocks.
QByteArray Code(int n)
{
    return QByteArray::number(n, 36).rightJustified(4, '0');
}

// One keyword line and one three-entry block per code, spread evenly over the files.
void WriteBase(const QString &sProgramFolder, const Layout &layout)
{
    const QString sData = sProgramFolder + QStringLiteral("/data/");
    QDir().mkpath(sData);
    QByteArray index = "/ a generated keyword index\r\n";
    const int nPerFile = layout.nLines / layout.nFiles;
    for (int f = 0, n = 0; f < layout.nFiles; ++f) {
        const QByteArray name = "answers" + QByteArray::number(f) + ".txt";
        QByteArray responses = "/ generated answers\r\n";
        index += "\r\n[" + name + "]\r\n";
        for (int k = 0; k < nPerFile; ++k, ++n) {
            const QByteArray code = Code(n), topic = QByteArray::number(n);
            index += code + " i would like topic " + topic + " please\r\n";
            responses += "*" + code + "\r\n# here is topic " + topic + ".\r\n$what about topic " + topic
                         + ", [name]?\r\n# more on [following].\r\n";
        }
        WriteFile(sData + QString::fromLatin1(name), responses);
    }
    WriteFile(sData + QStringLiteral("keywords.txt"), index);
    WriteFile(sData + QStringLiteral("preset1.txt"), "[Preset2.txt]\r\n0020 my name\r\n");
    WriteFile(sData + QStringLiteral("Preset2.txt"), "*0010\r\n# what?\r\n*0013\r\n# one word.\r\n*0020\r\n# and it is?\r\n");
    WriteFile(sData + QStringLiteral("Preset3.txt"), "*0002\r\n# your name?\r\n*0001\r\n# hi [name].\r\n");
    WriteFile(sData + QStringLiteral("Preset4.txt"), "*0001\r\n$tell me more?\r\n");
}

std::map<std::string, std::unique_ptr<QTemporaryDir>> folders;

void UseBase(int nLayout)
{
    const Layout &layout = kLayouts[nLayout];
    std::unique_ptr<QTemporaryDir> &folder = folders[LayoutName(layout).toStdString()];
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        WriteBase(folder->path(), layout);
    }
    modPublic::ProgramFolder = folder->path();
}

void SetLabel(benchmark::State &state)
{
    state.SetLabel(LayoutName(kLayouts[state.range(0)]).toStdString());
}

void BM_KnowledgeCheck(benchmark::State &state)
{
    UseBase(int(state.range(0)));
    for (auto _ : state) {
        KnowledgeCheck check;
        if (!check.Run() || !check.Findings().isEmpty())
            state.SkipWithError("the generated base should check clean");
        benchmark::DoNotOptimize(check.KeywordLines());
    }
    SetLabel(state);
}

void BM_ValidatorWalk(benchmark::State &state)
{
    UseBase(int(state.range(0)));
    for (auto _ : state) {
        KeywordValidator validator;
        validator.Run();
        if (validator.counts().sErrors != 0)
            state.SkipWithError("the generated base should validate");
        benchmark::DoNotOptimize(validator.counts().sStatements);
    }
    SetLabel(state);
}

void BM_ValidatorWindow(benchmark::State &state)
{
    UseBase(int(state.range(0)));
    FrmValidKeyword window;
    window.show();
    for (auto _ : state) {
        window.cmdStart->click();
        if (window.lblErrors->text() != QLatin1String("0"))
            state.SkipWithError("the generated base should validate");
    }
    SetLabel(state);
}

// Every file of the base read once, decoded and split into lines.
void BM_ReadEveryFileFloor(benchmark::State &state)
{
    UseBase(int(state.range(0)));
    for (auto _ : state) {
        qsizetype nLines = 0;
        for (QDirIterator it(modPublic::ProgramFolder + QStringLiteral("/data"), QDir::Files); it.hasNext();) {
            const std::optional<QString> text = TextFile::ReadText(it.next());
            nLines += text ? TextFile::SplitLines(*text).size() : 0;
        }
        benchmark::DoNotOptimize(nLines);
    }
    SetLabel(state);
}

BENCHMARK(BM_KnowledgeCheck)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ValidatorWalk)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ValidatorWindow)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadEveryFileFloor)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void PrintRatios(const MedianReporter &reporter)
{
    std::printf("\n%-12s %10s %10s %10s %10s %8s %8s %8s\n", "lines-files", "check ms", "walk ms", "window ms", "floor ms",
                "check/f", "walk/f", "window/f");
    for (int i = 0; i < int(std::size(kLayouts)); ++i) {
        const std::string arg = "/" + std::to_string(i);
        const auto check = reporter.Time("BM_KnowledgeCheck" + arg);
        const auto walk = reporter.Time("BM_ValidatorWalk" + arg);
        const auto window = reporter.Time("BM_ValidatorWindow" + arg);
        const auto floor = reporter.Time("BM_ReadEveryFileFloor" + arg);
        if (check && walk && window && floor)
            std::printf("%-12s %10.1f %10.1f %10.1f %10.1f %8.2f %8.2f %8.2f\n", qPrintable(LayoutName(kLayouts[i])), *check, *walk,
                        *window, *floor, *check / *floor, *walk / *floor, *window / *floor);
    }
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--write-base") == 0) {
        for (const Layout &layout : kLayouts)
            WriteBase(QString::fromLocal8Bit(argv[2]) + QLatin1Char('/') + LayoutName(layout), layout);
        return 0;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter);
    benchmark::Shutdown();
    folders.clear();
    return 0;
}
