// The keyword search against the plain reading: the index decoded the one way
// every reader shares, its lines classified, the first contained phrase taken.
// The sentence is tried as UTF-8, and as raw UTF-16 too when that gives lone
// surrogates.
// Input, in the parts Fuzz::Split cuts: sentence, previous keyword, files.
#include "FuzzSupport.h"
#include "Model.h"

#include "engine/KeywordSearch.h"
#include "engine/TextFold.h"

namespace {

QString Show(const KeywordMatch &m)
{
    return QStringLiteral("{%1|%2|%3|%4}").arg(m.sKeyword, m.sCode, m.sFile, m.sInput);
}

// The patterns of the plain reading need valid text: each lone surrogate
// becomes a symbol that the index does not hold, which is what a lone
// surrogate is to a phrase (a word edge, and no character of any phrase).
std::optional<QString> WithSymbolForLoneSurrogates(const QString &sSentence, const std::optional<QString> &index)
{
    if (sSentence.isValidUtf16())
        return sSentence;
    QString sOut = sSentence;
    for (const char16_t symbol : {u'\u25A1', u'\u2603', u'\u263A'}) {
        if (index && index->contains(QChar(symbol)))
            continue;
        for (qsizetype i = 0; i < sOut.size(); ++i) {
            if (sOut[i].isHighSurrogate() && i + 1 < sOut.size() && sOut[i + 1].isLowSurrogate())
                ++i;
            else if (sOut[i].isSurrogate())
                sOut[i] = QChar(symbol);
        }
        return sOut;
    }
    return std::nullopt;
}

// The folded form is one for every way of writing the same text, folding it
// again changes nothing, and it maps back to whole characters in order.
void CheckFolding(const QString &s)
{
    for (const bool accents : {false, true}) {
        const QString sFolded = TextFold::Folded(s, accents);
        FUZZ_CHECK(TextFold::Folded(s.normalized(QString::NormalizationForm_D), accents) == sFolded, s);
        FUZZ_CHECK(TextFold::Folded(sFolded, accents) == sFolded, s + QStringLiteral(" folds again from ") + sFolded);
        const TextFold::Mapped m = TextFold::Map(s, accents);
        FUZZ_CHECK(m.sText == sFolded && m.origin.size() == sFolded.size() + 1 && m.origin.back() == m.sSource.size(), s);
        for (qsizetype i = 0; i <= sFolded.size(); ++i) {
            const qsizetype a = m.SourceStart(i), b = m.SourceEnd(i);
            FUZZ_CHECK(a <= b && (i == 0 || m.SourceStart(i - 1) <= a), s);
            for (const qsizetype n : {a, b})
                FUZZ_CHECK(n == 0 || n == m.sSource.size() || !(m.sSource[n].isLowSurrogate() && m.sSource[n - 1].isHighSurrogate()), s);
        }
    }
}

// Both searches of the sentence; the number of failures they must report.
int Check(const QString &sSentence, const QString &sPrevious, const std::optional<QString> &index)
{
    const std::optional<QString> sPlain = WithSymbolForLoneSurrogates(sSentence, index);
    if (!sPlain)
        return 0;
    int nFailures = 0;
    for (const bool exclude : {false, true}) {
        EngineFailure failure;
        const KeywordMatch got = exclude ? KeywordSearchExclude(sSentence, sPrevious, nullptr, &failure) : KeywordSearch(sSentence, nullptr, &failure);
        const QString sFailure = failure.sReason;
        Model::Search want = Model::FindKeyword(index, *sPlain, exclude ? &sPrevious : nullptr);
        want.match.sInput = sSentence;
        FUZZ_CHECK(got == want.match, Show(got) + QStringLiteral(" instead of ") + Show(want.match));
        FUZZ_CHECK(sFailure.isEmpty() != want.failed, QStringLiteral("failure reported wrongly: ") + sFailure);
        nFailures += want.failed;
    }
    return nFailures;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::BeginInput();
    const Fuzz::Input input = Fuzz::Split(data, size, 2);
    Fuzz::WriteFiles(input);
    const std::optional<QString> index = Model::ReadData(QStringLiteral("keywords.txt"));

    CheckFolding(input.strings[0]);
    int nFailures = Check(input.strings[0], input.strings[1], index);
    // The raw form adds to what the UTF-8 one tries only where it holds a lone surrogate.
    const QByteArray units = input.stringBytes[0].toByteArray();  // aligned for char16_t
    if (const QString sRaw(reinterpret_cast<const QChar *>(units.constData()), units.size() / 2); !sRaw.isValidUtf16())
        nFailures += Check(sRaw, input.strings[1], index);
    const QStringList log = Fuzz::ErrorLogLines();
    FUZZ_CHECK(log.size() == nFailures, log.join(QLatin1Char('\n')));
    return 0;
}
