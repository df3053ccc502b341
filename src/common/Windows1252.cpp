#include "common/Windows1252.h"

#include <array>

namespace Windows1252 {

namespace {

// Codes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t Unit(uchar byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char16_t(byte);
}

}  // namespace

char32_t Char(int nCode)
{
    return Unit(uchar(nCode));
}

int Code(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return int(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == codePoint)
            return int(0x80 + i);
    return -1;
}

bool IsUndefined(uchar byte)
{
    return byte >= 0x80 && byte <= 0x9F && Unit(byte) == byte;
}

QString Decode(QByteArrayView bytes)
{
    QString sText(bytes.size(), Qt::Uninitialized);
    QChar *out = sText.data();
    for (const char c : bytes)
        *out++ = QChar(Unit(uchar(c)));
    return sText;
}

}  // namespace Windows1252
