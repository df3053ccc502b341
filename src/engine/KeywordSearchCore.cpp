#include "engine/KeywordSearchCore.h"

#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "engine/EngineErrors.h"
#include "engine/IndexReader.h"
#include "engine/KeywordIndex.h"

#include <bitset>
#include <cstring>
#include <memory>

namespace KeywordSearchCore {

namespace {

using namespace EngineErrors;

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

// Every pair of adjacent bytes of the lower-cased sentence (UTF-8), so that
// the many index lines whose phrase cannot occur are passed over after a
// glance at their first two letters.
class SentencePairs {
public:
    explicit SentencePairs(const QByteArray &lowerUtf8)
    {
        for (qsizetype i = 0; i < lowerUtf8.size(); ++i) {
            const auto a = static_cast<unsigned char>(lowerUtf8[i]);
            m_singles.set(a);
            if (i + 1 < lowerUtf8.size())
                m_pairs->set(a << 8 | static_cast<unsigned char>(lowerUtf8[i + 1]));
        }
    }

    // False only when a keyword line cannot match: a line whose code,
    // separator and first two phrase letters are ASCII and whose lower-cased
    // start is absent from the sentence.
    bool MayMatch(QByteArrayView raw) const
    {
        if (raw.size() < 5)
            return true;
        for (qsizetype i = 0; i < 5; ++i)
            if (raw[i] & 0x80)
                return true;
        const qsizetype phraseSize = raw.size() - 5;
        if (phraseSize == 0)
            return true;
        const char a = LowerAscii(raw[5]);
        if (a & 0x80)
            return true;
        if (phraseSize == 1)
            return m_singles.test(static_cast<unsigned char>(a));
        const char b = LowerAscii(raw[6]);
        if (b & 0x80)
            return true;
        return m_pairs->test(static_cast<unsigned char>(a) << 8 | static_cast<unsigned char>(b));
    }

private:
    std::bitset<256> m_singles;
    std::unique_ptr<std::bitset<65536>> m_pairs = std::make_unique<std::bitset<65536>>();
};

bool IsAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (c & 0x80)
            return false;
    return true;
}

enum class Occurrence { No, Yes, NeedsDecoding };

// Whether a phrase, lower-cased on the fly, occurs in the lower-cased sentence.
// Comparing bytes is conclusive as long as the phrase bytes compared are
// ASCII; a phrase that holds other characters is left to the decoding way.
Occurrence OccursLowered(QByteArrayView sentence, QByteArrayView phrase)
{
    const qsizetype m = phrase.size();
    if (m == 0)
        return Occurrence::Yes;
    const char first = LowerAscii(phrase[0]);
    if (first & 0x80)
        return Occurrence::NeedsDecoding;
    const char *s = sentence.data();
    const qsizetype n = sentence.size();
    for (qsizetype pos = 0; pos < n;) {
        const void *hit = std::memchr(s + pos, first, size_t(n - pos));
        if (!hit)
            return Occurrence::No;
        pos = static_cast<const char *>(hit) - s;
        qsizetype j = 1;
        for (; j < m; ++j) {
            const char c = phrase[j];
            if (c & 0x80)
                return Occurrence::NeedsDecoding;
            if (pos + j >= n || LowerAscii(c) != s[pos + j])
                break;
        }
        if (j == m)
            return Occurrence::Yes;
        ++pos;
    }
    return Occurrence::No;
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

QString LoweredLatin1(QByteArrayView phrase)
{
    QString s = QString::fromLatin1(phrase);
    for (QChar &c : s)
        c = QChar(LowerAscii(char(c.unicode())));
    return s;
}

}  // namespace

KeywordMatch Search(const QString &sSentence, const QString &sPath, const QString &sLocation, const QString *psExclude)
{
    KeywordMatch result;
    result.sInput = sSentence;
    const DataFolder::Resolution resolved = DataFolder::Resolve(sPath);
    TextFile::Failure failure{kNameOutsideData, resolved.sError, kComponent};
    std::optional<QByteArray> bytes;
    if (!resolved.sPath.isEmpty())
        bytes = TextFile::ReadBytes(resolved.sPath, &failure);
    if (!bytes) {
        Report(QStringLiteral("File Access Problem"), sLocation, failure);
        return result;
    }
    const QString sLowerSentence = sSentence.toLower();
    const QByteArray lowerSentenceUtf8 = sLowerSentence.toUtf8();
    const bool canMatch = !sLowerSentence.isEmpty();
    const SentencePairs pairs(lowerSentenceUtf8);
    const QByteArray excludeUtf8 = psExclude ? psExclude->toUtf8() : QByteArray();

    IndexReader reader(std::move(*bytes));
    QString sSection;
    while (reader.NextLine()) {
        const QByteArrayView raw = reader.Raw();
        if (raw.isEmpty() || raw.front() == '/')
            continue;
        if (raw.front() != '[' && !pairs.MayMatch(raw))
            continue;
        // Keyword lines with an ASCII code, nearly all of them, are matched on
        // their bytes.
        if (raw.front() != '[' && raw.size() >= 5 && IsAscii(raw.first(5))) {
            const QByteArrayView phrase = raw.sliced(5);
            const Occurrence occurs = canMatch ? OccursLowered(lowerSentenceUtf8, phrase) : Occurrence::No;
            if (occurs == Occurrence::No)
                continue;
            if (occurs == Occurrence::Yes) {
                if (psExclude && EqualsLowered(phrase, excludeUtf8))
                    continue;
                result.sKeyword = LoweredLatin1(phrase);
                result.sCode = QString::fromLatin1(raw.first(4));
                result.sFile = sSection;
                return result;
            }
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
            Report(QStringLiteral("File Access Problem"), sLocation, failure);
            return result;
        }
        case IndexLine::Keyword:
            break;
        }
        const QString sLowerPhrase = line.sPhrase.toString().toLower();
        if (!canMatch || !sLowerSentence.contains(sLowerPhrase))
            continue;
        if (psExclude && sLowerPhrase == *psExclude)
            continue;
        result.sKeyword = sLowerPhrase;
        result.sCode = line.sCode.toString();
        result.sFile = sSection;
        return result;
    }
    return result;
}

}  // namespace KeywordSearchCore
