// The substitution table and the reading of a sentence through it, against
// the plain reading: quotes folded, the sentence cut into runs of letters,
// digits, apostrophes, "-" and "&" by a pattern, each run looked up whole (folded) and then
// without the apostrophes at its ends, every other character kept.
// The settings reader on the same text.
// Input, in the parts Fuzz::Split cuts: table text, sentence.
#include "FuzzSupport.h"
#include "Model.h"

#include "common/TextFile.h"
#include "engine/BaseSettings.h"
#include "engine/Substitutions.h"
#include "engine/TextFold.h"

#include <QRegularExpression>

namespace {

QString PlainReading(const QString &sSentence, const SubstitutionTable &table)
{
    static const QRegularExpression kWord(QStringLiteral("[\\p{L}\\p{N}'&-]+"));
    static const QRegularExpression kQuotes(QStringLiteral("^('*)(.*?)('*)$"));
    const QString s = Substitutions::FoldQuotes(sSentence);
    QString sOut;
    qsizetype nDone = 0;
    for (auto it = kWord.globalMatch(s); it.hasNext();) {
        const QRegularExpressionMatch word = it.next();
        sOut += s.mid(nDone, word.capturedStart() - nDone);
        nDone = word.capturedEnd();
        if (const auto whole = table.words.constFind(Model::Folded(word.captured())); whole != table.words.cend()) {
            sOut += *whole;
            continue;
        }
        const QRegularExpressionMatch parts = kQuotes.match(word.captured());
        const auto inner = parts.captured(2).isEmpty() ? table.words.cend() : table.words.constFind(Model::Folded(parts.captured(2)));
        sOut += inner == table.words.cend() ? word.captured() : parts.captured(1) + *inner + parts.captured(3);
    }
    return sOut + s.mid(nDone);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::BeginInput();
    const Fuzz::Input input = Fuzz::Split(data, size, 2);
    QStringList problems;
    const SubstitutionTable table = Substitutions::Parse(input.strings[0], &problems);
    for (auto it = table.words.cbegin(); it != table.words.cend(); ++it)
        FUZZ_CHECK(!it.key().isEmpty() && !it.value().isEmpty() && it.key() == Model::Folded(it.key()), it.key() + QStringLiteral(" -> ") + it.value());
    const QString &sSentence = input.strings[1];
    const QString sRead = Substitutions::Normalise(sSentence, table);
    const QString sPlain = PlainReading(sSentence, table);
    FUZZ_CHECK(sRead == sPlain, sSentence + QStringLiteral(" read as ") + sRead + QStringLiteral(", not ") + sPlain);
    // The same text as a settings file: each line it reads sets one setting once, or is named.
    QStringList settingsProblems;
    const BaseSettings settings = Settings::Parse(input.strings[0], &settingsProblems);
    qsizetype nLines = 0;
    for (const QStringView line : TextFile::SplitLines(input.strings[0]))
        nLines += !line.toString().simplified().isEmpty() && !line.toString().simplified().startsWith(u'/');
    FUZZ_CHECK(nLines - settingsProblems.size() <= 3 && settingsProblems.size() <= nLines, settingsProblems.join(u'\n'));
    FUZZ_CHECK(settings.sWatchWord == TextFold::Folded(settings.sWatchWord) && !settings.sWatchWord.contains(u' '), settings.sWatchWord);
    // The same table read from data/ gives the same reading.
    Fuzz::WriteData(QStringLiteral("substitutions.txt"), input.strings[0].toUtf8());
    FUZZ_CHECK(Substitutions::Normalise(sSentence) == sRead, sSentence);
    return 0;
}
