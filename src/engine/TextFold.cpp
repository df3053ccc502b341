#include "engine/TextFold.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>

#include <algorithm>

namespace TextFold {

namespace {

bool IsAscii(QStringView s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80; });
}

bool IsLatinGreekCyrillicAccent(char32_t c)
{
    return c >= 0x0300 && c <= 0x036F;
}

// Appends the folded form of the code point at s[i] and says how many units it took.
qsizetype FoldOneInto(QStringView s, qsizetype i, bool foldAccents, QString &out)
{
    const QChar c = s[i];
    if (c.unicode() < 0x80) {
        out += c.toLower();
        return 1;
    }
    const qsizetype n = c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate() ? 2 : 1;
    // "İ" is "i", and so is its lower case, an "i" with a combining dot.
    if (c.unicode() == 0x0130) {
        out += u'i';
        return 1;
    }
    if (c.unicode() == 0x0307 && !out.isEmpty() && out.back() == u'i')
        return 1;
    char16_t buffer[8];  // no code point folds to more than three
    UErrorCode status = U_ZERO_ERROR;
    const int32_t nFolded = u_strFoldCase(buffer, 8, reinterpret_cast<const char16_t *>(s.utf16()) + i, int32_t(n),
                                          U_FOLD_CASE_DEFAULT, &status);
    // Every unit as it stands: fromUtf16 would take a U+FEFF for a byte-order mark and drop it.
    QString sPiece = U_SUCCESS(status) ? QString(reinterpret_cast<const QChar *>(buffer), nFolded) : s.sliced(i, n).toString();
    if (foldAccents && !IsAscii(sPiece)) {
        sPiece = sPiece.normalized(QString::NormalizationForm_D);
        sPiece.removeIf([](QChar ch) { return IsLatinGreekCyrillicAccent(ch.unicode()); });
    }
    out += sPiece;
    return n;
}

// Whether the code point that ends before i, or starts at i, is a letter or a mark.
bool LetterEndsAt(const QString &s, qsizetype i)
{
    if (i <= 0)
        return false;
    const char32_t c = i >= 2 && s[i - 1].isLowSurrogate() && s[i - 2].isHighSurrogate() ? QChar::surrogateToUcs4(s[i - 2], s[i - 1]) : s[i - 1].unicode();
    return QChar::isLetter(c) || QChar::isMark(c);
}

bool LetterStartsAt(const QString &s, qsizetype i)
{
    if (i >= s.size())
        return false;
    const char32_t c = i + 1 < s.size() && s[i].isHighSurrogate() && s[i + 1].isLowSurrogate() ? QChar::surrogateToUcs4(s[i], s[i + 1]) : s[i].unicode();
    return QChar::isLetter(c) || QChar::isMark(c);
}

}  // namespace

QString Folded(QStringView s, bool foldAccents)
{
    if (IsAscii(s))
        return s.toString().toLower();
    const QString sComposed = s.toString().normalized(QString::NormalizationForm_C);
    QString out;
    out.reserve(sComposed.size());
    for (qsizetype i = 0; i < sComposed.size();)
        i += FoldOneInto(sComposed, i, foldAccents, out);
    return out;
}

Mapped Map(QStringView s, bool foldAccents)
{
    Mapped m;
    m.sSource = IsAscii(s) ? s.toString() : s.toString().normalized(QString::NormalizationForm_C);
    m.sText.reserve(m.sSource.size());
    m.origin.reserve(m.sSource.size() + 1);
    for (qsizetype i = 0; i < m.sSource.size();) {
        const qsizetype nBefore = m.sText.size();
        const qsizetype n = FoldOneInto(m.sSource, i, foldAccents, m.sText);
        m.origin.insert(m.origin.size(), m.sText.size() - nBefore, i);
        i += n;
    }
    m.origin << m.sSource.size();
    return m;
}

QString Lower(const QString &s)
{
    QString sLower = s.toLower();
    for (qsizetype i = sLower.indexOf(u'\u03C3'); i >= 0; i = sLower.indexOf(u'\u03C3', i + 1))
        if (LetterEndsAt(sLower, i) && !LetterStartsAt(sLower, i + 1))
            sLower[i] = u'\u03C2';
    return sLower;
}

qsizetype Mapped::SourceStart(qsizetype nFolded) const
{
    return origin[std::clamp<qsizetype>(nFolded, 0, sText.size())];
}

qsizetype Mapped::SourceEnd(qsizetype nFolded) const
{
    qsizetype n = std::clamp<qsizetype>(nFolded, 0, sText.size());
    // Inside the folded form of one character ("ss" of "ß"): the end of that character.
    while (n > 0 && n < sText.size() && origin[n] == origin[n - 1])
        ++n;
    return origin[n];
}

}  // namespace TextFold
