#include "console/Encryption.h"

#include <QList>

#include <array>
#include <cmath>

namespace Encryption {

namespace {

// Codes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

enum class Direction { Encrypt, Decrypt };

// Net shift of Encrypt for a place p in the cycle (1 to 5, then 0); Decrypt
// shifts by the exact negative.
qint64 EncryptShift(int p, qint64 k)
{
    switch (p) {
    case 1: return (k - 5) + 1;
    case 2: return -(k - 4) + 2;
    case 3: return (k - 2) + 3;
    case 4: return -(k - 3) + 4;
    case 5: return (k - 5) + 5;
    default: return -(k - 2);
    }
}

QString Transform(const QString &sText, const QString &sKey, Direction direction)
{
    const qint64 k = KeyNumber(sKey);
    QString sResult;
    sResult.reserve(sText.size());
    int p = 0;
    // Walked by UTF-16 units so that what has no code (a pair, a lone surrogate,
    // U+FEFF) is copied unit for unit and comes back exactly as it was.
    for (qsizetype i = 0; i < sText.size(); ++i) {
        p = p + 1;
        if (p == 6)
            p = 0;
        const QChar ch = sText[i];
        if (ch.isHighSurrogate() && i + 1 < sText.size() && sText[i + 1].isLowSurrogate()) {
            sResult.append(ch).append(sText[++i]);
            continue;
        }
        const int c = Windows1252Code(ch.unicode());
        if (c < 0) {
            sResult.append(ch);
            continue;
        }
        const qint64 shift = EncryptShift(p, k);
        const qint64 v = direction == Direction::Encrypt ? c + shift : c - shift;
        if (v < 0 || v > 255)
            continue;
        sResult.append(QChar(char16_t(Windows1252Char(int(v)))));
    }
    return sResult;
}

}  // namespace

qint64 KeyNumber(const QString &sKey)
{
    qint64 sum = 0;
    for (const uint ucs4 : sKey.toUcs4()) {
        const char32_t codePoint = ucs4;
        const int c = Windows1252Code(codePoint);
        // A character without a code counts with the code "?" it is written as.
        sum += c < 0 ? '?' : c;
    }
    return qint64(std::floor(double(sum) * 0.1 / 6));
}

QString Encrypt(const QString &sText, const QString &sKey)
{
    return Transform(sText, sKey, Direction::Encrypt);
}

QString Decrypt(const QString &sText, const QString &sKey)
{
    return Transform(sText, sKey, Direction::Decrypt);
}

int Windows1252Code(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return int(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == codePoint)
            return int(0x80 + i);
    return -1;
}

char32_t Windows1252Char(int nCode)
{
    if (nCode >= 0x80 && nCode <= 0x9F)
        return kHighControls[std::size_t(nCode - 0x80)];
    return char32_t(nCode);
}

}  // namespace Encryption
