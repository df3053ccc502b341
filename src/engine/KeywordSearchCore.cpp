#include "engine/KeywordSearchCore.h"

#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "engine/EngineErrors.h"
#include "engine/KeywordIndex.h"
#include "engine/BaseSettings.h"
#include "engine/PhraseMatch.h"
#include "engine/TextFold.h"

#include <algorithm>
#include <bitset>
#include <string>
#include <string_view>

namespace KeywordSearchCore {

namespace {

using namespace EngineErrors;

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

std::u16string_view View(QStringView s)
{
    return {s.utf16(), size_t(s.size())};
}

std::string_view View(QByteArrayView s)
{
    return {s.data(), size_t(s.size())};
}

// The folded sentence, in UTF-8 too, with the pairs of adjacent bytes it
// holds, so that most index lines are passed over after a glance at their ends.
class SentenceIndex {
public:
    explicit SentenceIndex(const QString &sLower)
        : m_sLower(sLower)
        , m_text(sLower.toUtf8())
        , m_isValid(sLower.isValidUtf16())
    {
        for (qsizetype i = 0; i + 1 < m_text.size(); ++i)
            if (((m_text[i] | m_text[i + 1]) & 0x80) == 0)
                m_pairs.set(Pair(m_text[i], m_text[i + 1]));
    }

    // Whether the folded phrase stands in the sentence. Both being valid,
    // it does exactly when its UTF-8 stands in the sentence's, which the byte
    // search finds fastest; UTF-8 cannot hold a lone surrogate (it would be
    // written as "?"), so such a sentence is searched as it stands.
    bool Holds(QByteArrayView phraseUtf8) const
    {
        return m_isValid ? PhraseMatch::Occurs(View(m_text), View(phraseUtf8))
                         : PhraseMatch::Occurs(View(m_sLower), View(QString::fromUtf8(phraseUtf8)));
    }

    // False only when a keyword line cannot match: its code, separator and
    // first two letters inside the word edges are ASCII and the first or the
    // last two of them, folded, stand nowhere side by side in the sentence.
    bool MayMatch(QByteArrayView raw) const
    {
        if (raw.size() < 7)
            return true;
        for (qsizetype i = 0; i < 5; ++i)
            if (raw[i] & 0x80)
                return true;
        QByteArrayView core = raw.sliced(5);
        if (core.front() == ' ' && core.size() > 1)
            core = core.sliced(1);
        if (core.back() == ' ' && core.size() > 1)
            core.chop(1);
        if (core.size() < 2 || ((core[0] | core[1]) & 0x80))
            return true;
        if (!m_pairs.test(Pair(LowerAscii(core[0]), LowerAscii(core[1]))))
            return false;
        const char a = core[core.size() - 2], b = core.back();
        return ((a | b) & 0x80) || m_pairs.test(Pair(LowerAscii(a), LowerAscii(b)));
    }

private:
    // Only pairs of ASCII bytes are asked about.
    static size_t Pair(char a, char b) { return size_t(a) << 7 | size_t(b); }

    const QString m_sLower;
    const QByteArray m_text;
    const bool m_isValid;
    std::bitset<128 * 128> m_pairs;
};

bool IsAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (c & 0x80)
            return false;
    return true;
}

// The phrase lower-cased into buffer, which for ASCII is its folded form too;
// false when it holds a byte that is not ASCII, which only the decoding way can fold.
bool LowerAsciiInto(QByteArrayView phrase, std::string &buffer)
{
    buffer.resize(size_t(phrase.size()));
    for (qsizetype i = 0; i < phrase.size(); ++i) {
        if (phrase[i] & 0x80)
            return false;
        buffer[size_t(i)] = LowerAscii(phrase[i]);
    }
    return true;
}

bool EqualsLowered(QByteArrayView phrase, const QByteArray &lower)
{
    if (phrase.size() != lower.size())
        return false;
    for (qsizetype i = 0; i < phrase.size(); ++i)
        if (LowerAscii(phrase[i]) != lower[i])
            return false;
    return true;
}

}  // namespace

KeywordMatch Search(const QString &sSentence, const QString &sPath, const QString &sLocation, const QString *psExclude,
                    int *pnLine, EngineFailure *pFailure)
{
    KeywordMatch result;
    result.sInput = sSentence;
    int nUnused = 0;
    int &nLine = pnLine ? *pnLine : nUnused;
    nLine = 0;
    if (pFailure)
        *pFailure = EngineFailure();  // a caller may pass one value to several searches
    auto fail = [&](const TextFile::Failure &f) {
        const EngineFailure reported = Report(QStringLiteral("File Access Problem"), sLocation, f);
        if (pFailure)
            *pFailure = reported;
    };
    const DataFolder::Resolution resolved = DataFolder::Resolve(sPath);
    TextFile::Failure failure{kNameOutsideData, resolved.sError, kComponent};
    std::optional<QByteArray> bytes;
    if (!resolved.sPath.isEmpty())
        bytes = TextFile::ReadBytes(resolved.sPath, &failure);
    if (!bytes) {
        fail(failure);
        return result;
    }
    const bool foldAccents = Settings::Load().foldAccents;
    const QString sFoldedSentence = TextFold::Folded(sSentence, foldAccents);
    const SentenceIndex sentence(sFoldedSentence);
    const bool canMatch = !sFoldedSentence.isEmpty();
    const QString sFoldedExclude = psExclude ? TextFold::Folded(*psExclude, foldAccents) : QString();
    const QByteArray excludeUtf8 = sFoldedExclude.toUtf8();

    TextFile::LineReader reader(std::move(*bytes));
    QString sSection;
    std::string lowerPhrase;
    while (reader.NextLine()) {
        const QByteArrayView raw = reader.Raw();
        if (raw.isEmpty() || raw.front() == '/')
            continue;
        if (raw.front() != '[' && !sentence.MayMatch(raw))
            continue;
        // Keyword lines with an ASCII code and phrase, nearly all of them, are
        // matched on their bytes.
        if (raw.front() != '[' && raw.size() >= 5 && IsAscii(raw.first(5)) && LowerAsciiInto(raw.sliced(5), lowerPhrase)) {
            if (!canMatch || !sentence.Holds(QByteArrayView(lowerPhrase.data(), qsizetype(lowerPhrase.size()))))
                continue;
            if (psExclude && EqualsLowered(raw.sliced(5), excludeUtf8))
                continue;
            result.sKeyword = QString::fromLatin1(lowerPhrase.data(), qsizetype(lowerPhrase.size()));
            result.sCode = QString::fromLatin1(raw.first(4));
            result.sFile = sSection;
            nLine = reader.LineNumber();
            return result;
        }
        const QString sLine = reader.Decoded();
        const IndexLine line = ClassifyIndexLine(sLine);
        switch (line.kind) {
        case IndexLine::Empty:
        case IndexLine::Comment:
            continue;
        case IndexLine::Section:
            sSection = line.sSection.toString();
            continue;
        case IndexLine::Malformed: {
            const bool section = sLine.front() == u'[';
            failure = {section ? kShortSectionLine : kShortKeywordLine,
                       QStringLiteral("line %1 of %2 is too short to be a %3 line")
                           .arg(reader.LineNumber())
                           .arg(sPath, section ? QStringLiteral("section") : QStringLiteral("keyword")),
                       kComponent};
            fail(failure);
            return result;
        }
        case IndexLine::Keyword:
            break;
        }
        if (!canMatch)
            continue;
        const QString sFoldedPhrase = TextFold::Folded(line.sPhrase, foldAccents);
        if (!sentence.Holds(sFoldedPhrase.toUtf8()))
            continue;
        if (psExclude && sFoldedPhrase == sFoldedExclude)
            continue;
        result.sKeyword = line.sPhrase.toString().toLower();
        result.sCode = line.sCode.toString();
        result.sFile = sSection;
        nLine = reader.LineNumber();
        return result;
    }
    return result;
}

}  // namespace KeywordSearchCore
