// orvia-check's findings over fuzzed knowledge files and a fuzzed word list:
// it runs whenever keywords.txt can be read, every finding stands on a line its
// file has, and the words named as hiding a phrase hold it.
// Input: the word list, then files ("name LF bytes"), NUL between; keywords.txt is the index.
#include "FuzzSupport.h"
#include "Model.h"

#include "common/TextFile.h"
#include "common/modPublic.h"
#include "engine/Blanks.h"
#include "tools/KnowledgeCheck.h"

#include <QFile>
#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::BeginInput();
    const Fuzz::Input input = Fuzz::Split(data, size, 1);
    Fuzz::WriteFiles(input);
    const QString sWordList = modPublic::ProgramFolder + QStringLiteral("/words");
    QFile words(sWordList);
    if (!words.open(QIODevice::WriteOnly) || words.write(input.strings.value(0).toUtf8()) < 0)
        Fuzz::Fail("the word list cannot be written", sWordList);
    words.close();

    KnowledgeCheck check;
    check.SetWordList(sWordList);
    const bool ran = check.Run();
    FUZZ_CHECK(ran == Model::ReadData(QStringLiteral("keywords.txt")).has_value(), check.IndexError());
    if (!ran)
        return 0;
    static const QRegularExpression kHiding(QStringLiteral("^\"(.*)\" also matches inside (\\d+) other words, such as (.*): write"));
    for (const Finding &f : check.Findings()) {
        const QString sWhere = QStringLiteral("%1:%2: %3").arg(f.sFile).arg(f.nLine).arg(f.sMessage);
        if (f.nLine > 0) {
            const std::optional<QString> text = Model::ReadData(f.sFile);
            FUZZ_CHECK(text && f.nLine <= TextFile::SplitLines(*text).size(), sWhere);
        }
        const QRegularExpressionMatch m = kHiding.match(f.sMessage);
        if (!m.hasMatch())
            continue;
        FUZZ_CHECK(m.captured(2).toInt() >= 10, sWhere);
        const QString sCore = TrimBlanks(m.captured(1)).toString();
        for (const QString &sExample : m.captured(3).split(QStringLiteral(", ")))
            FUZZ_CHECK(sExample.size() > sCore.size() + 2 && sExample.contains(sCore), sWhere);
    }
    return 0;
}
