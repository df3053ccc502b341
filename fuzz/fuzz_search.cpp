// The keyword search against the plain reading: the index decoded the one way
// every reader shares, its lines classified, the first contained phrase taken.
// Input: sentence NUL previous keyword NUL files ("name LF bytes", NUL between).
#include "FuzzSupport.h"
#include "Model.h"

#include "common/Dialogs.h"
#include "common/modPublic.h"
#include "engine/ModFunctions.h"
#include "engine/Reply.h"

namespace {

QString Show(const KeywordMatch &m)
{
    return QStringLiteral("{%1|%2|%3|%4}").arg(m.sKeyword, m.sCode, m.sFile, m.sInput);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::BeginInput();
    const Fuzz::Input input = Fuzz::Split(data, size, 2);
    Fuzz::WriteFiles(input);
    const QString &sSentence = input.strings[0];
    modPublic::LastMatch.sKeyword = input.strings[1];
    const std::optional<QString> index = Model::ReadData(QStringLiteral("keywords.txt"));

    int nFailures = 0;
    for (const bool exclude : {false, true}) {
        QString sFailure;
        const KeywordMatch got = exclude ? KeywordSearchExclude(sSentence, nullptr, &sFailure) : KeywordSearch(sSentence, nullptr, &sFailure);
        const Model::Search want = Model::FindKeyword(index, sSentence, exclude ? &input.strings[1] : nullptr);
        FUZZ_CHECK(got == want.match, Show(got) + QStringLiteral(" instead of ") + Show(want.match));
        FUZZ_CHECK(sFailure.isEmpty() != want.failed, QStringLiteral("failure reported wrongly: ") + sFailure);
        nFailures += want.failed;
    }
    const QStringList log = Fuzz::ErrorLogLines();
    FUZZ_CHECK(log.size() == nFailures, log.join(QLatin1Char('\n')));
    return 0;
}
