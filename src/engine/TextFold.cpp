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
    QString sPiece = U_SUCCESS(status) ? QString::fromUtf16(buffer, nFolded) : s.sliced(i, n).toString();
    if (foldAccents && !IsAscii(sPiece)) {
        sPiece = sPiece.normalized(QString::NormalizationForm_D);
        sPiece.removeIf([](QChar ch) { return IsLatinGreekCyrillicAccent(ch.unicode()); });
    }
    out += sPiece;
    return n;
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
    if (!sLower.contains(u'\u03C3'))
        return sLower;
    const auto isLetter = [&](qsizetype i) { return i >= 0 && i < sLower.size() && (sLower[i].isLetter() || sLower[i].isMark()); };
    for (qsizetype i = 1; i < sLower.size(); ++i)
        if (sLower[i] == u'\u03C3' && isLetter(i - 1) && !isLetter(i + 1))
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
