#include "console/Encryption.h"

#include "common/Windows1252.h"

#include <QList>

#include <cmath>

namespace Encryption {

using Windows1252::Char;
using Windows1252::Code;

namespace {

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
        const int c = Code(ch.unicode());
        if (c < 0) {
            sResult.append(ch);
            continue;
        }
        const qint64 shift = EncryptShift(p, k);
        const qint64 v = direction == Direction::Encrypt ? c + shift : c - shift;
        if (v < 0 || v > 255)
            continue;
        sResult.append(QChar(char16_t(Char(int(v)))));
    }
    return sResult;
}

}  // namespace

qint64 KeyNumber(const QString &sKey)
{
    qint64 sum = 0;
    for (const uint ucs4 : sKey.toUcs4()) {
        const char32_t codePoint = ucs4;
        const int c = Code(codePoint);
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

}  // namespace Encryption
