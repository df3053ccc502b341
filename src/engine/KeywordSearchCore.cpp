#include "engine/KeywordSearchCore.h"

#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "engine/EngineErrors.h"
#include "engine/IndexReader.h"
#include "engine/KeywordIndex.h"

#include <array>
#include <bitset>
#include <memory>
#include <vector>

namespace KeywordSearchCore {

namespace {

using namespace EngineErrors;

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

// The lower-cased sentence (UTF-8) prepared for many phrase tests: the pairs
// of adjacent bytes it holds, so that most index lines are passed over after a
// glance at their first two letters, and for each byte value the chain of its
// positions, so that candidate positions are visited without searching.
class SentenceIndex {
public:
    explicit SentenceIndex(QByteArray lowerUtf8)
        : m_text(std::move(lowerUtf8)), m_next(size_t(m_text.size()), -1)
    {
        m_first.fill(-1);
        for (qsizetype i = m_text.size() - 1; i >= 0; --i) {
            const auto a = static_cast<unsigned char>(m_text[i]);
            m_next[size_t(i)] = m_first[a];
            m_first[a] = i;
            if (i + 1 < m_text.size())
                m_pairs->set(a << 8 | static_cast<unsigned char>(m_text[i + 1]));
        }
    }

    bool IsEmpty() const { return m_text.isEmpty(); }
    const QByteArray &Text() const { return m_text; }

    // False only when a keyword line cannot match: its code, separator and
    // first two phrase letters are ASCII and its lower-cased start is absent.
    bool MayMatch(QByteArrayView raw) const
    {
        if (raw.size() < 7)
            return true;
        for (qsizetype i = 0; i < 7; ++i)
            if (raw[i] & 0x80)
                return true;
        return m_pairs->test(static_cast<unsigned char>(LowerAscii(raw[5])) << 8 | static_cast<unsigned char>(LowerAscii(raw[6])));
    }

    qsizetype FirstPosition(char c) const { return m_first[static_cast<unsigned char>(c)]; }
    qsizetype NextPosition(qsizetype pos) const { return m_next[size_t(pos)]; }

private:
    QByteArray m_text;
    std::vector<qsizetype> m_next;
    std::array<qsizetype, 256> m_first;
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
Occurrence OccursLowered(const SentenceIndex &sentence, QByteArrayView phrase)
{
    const qsizetype m = phrase.size();
    if (m == 0)
        return Occurrence::Yes;
    const char first = LowerAscii(phrase[0]);
    if (first & 0x80)
        return Occurrence::NeedsDecoding;
    const char *s = sentence.Text().constData();
    const qsizetype n = sentence.Text().size();
    for (qsizetype pos = sentence.FirstPosition(first); pos >= 0; pos = sentence.NextPosition(pos)) {
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

KeywordMatch Search(const QString &sSentence, const QString &sPath, const QString &sLocation, const QString *psExclude,
                    int *pnLine)
{
    KeywordMatch result;
    result.sInput = sSentence;
    int nUnused = 0;
    int &nLine = pnLine ? *pnLine : nUnused;
    nLine = 0;
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
    const SentenceIndex sentence(sLowerSentence.toUtf8());
    const bool canMatch = !sLowerSentence.isEmpty();
    const QByteArray excludeUtf8 = psExclude ? psExclude->toUtf8() : QByteArray();

    IndexReader reader(std::move(*bytes));
    QString sSection;
    while (reader.NextLine()) {
        const QByteArrayView raw = reader.Raw();
        if (raw.isEmpty() || raw.front() == '/')
            continue;
        if (raw.front() != '[' && !sentence.MayMatch(raw))
            continue;
        // Keyword lines with an ASCII code, nearly all of them, are matched on
        // their bytes.
        if (raw.front() != '[' && raw.size() >= 5 && IsAscii(raw.first(5))) {
            const QByteArrayView phrase = raw.sliced(5);
            const Occurrence occurs = canMatch ? OccursLowered(sentence, phrase) : Occurrence::No;
            if (occurs == Occurrence::No)
                continue;
            if (occurs == Occurrence::Yes) {
                if (psExclude && EqualsLowered(phrase, excludeUtf8))
                    continue;
                result.sKeyword = LoweredLatin1(phrase);
                result.sCode = QString::fromLatin1(raw.first(4));
                result.sFile = sSection;
                nLine = reader.LineNumber();
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
        nLine = reader.LineNumber();
        return result;
    }
    return result;
}

}  // namespace KeywordSearchCore
