#include "tools/CRCfile.h"


#include <QFile>
#include <QFileInfo>

#include <array>

namespace CRCfile {

namespace {

// Table 0 is the classic byte table; table k gives the effect of a byte that
// still has k more bytes to pass through, so sixteen bytes fold in one step.
constexpr int kSlices = 16;
std::array<std::array<quint32, 256>, kSlices> table{};
bool built = false;

constexpr qint64 kChunkSize = 1 << 20;

quint32 LoadLittleEndian(const uchar *p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

}  // namespace

quint32 BuildCRCTable(quint32 polynomial, quint32 startValue)
{
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1u) ? (c >> 1) ^ polynomial : c >> 1;
        table[0][i] = c;
    }
    for (int k = 1; k < kSlices; ++k)
        for (int i = 0; i < 256; ++i)
            table[k][i] = (table[k - 1][i] >> 8) ^ table[0][table[k - 1][i] & 0xFFu];
    built = true;
    return startValue;
}

quint32 UpdateCRC(QByteArrayView bytes, quint32 crc)
{
    if (!built)
        BuildCRCTable(kPolynomial, kStartValue);
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    qsizetype n = bytes.size();
    const auto &t = table;
    while (n >= 16) {
        const quint32 w0 = LoadLittleEndian(p) ^ crc;
        const quint32 w1 = LoadLittleEndian(p + 4);
        const quint32 w2 = LoadLittleEndian(p + 8);
        const quint32 w3 = LoadLittleEndian(p + 12);
        crc = t[15][w0 & 0xFFu] ^ t[14][(w0 >> 8) & 0xFFu] ^ t[13][(w0 >> 16) & 0xFFu] ^ t[12][w0 >> 24]
              ^ t[11][w1 & 0xFFu] ^ t[10][(w1 >> 8) & 0xFFu] ^ t[9][(w1 >> 16) & 0xFFu] ^ t[8][w1 >> 24]
              ^ t[7][w2 & 0xFFu] ^ t[6][(w2 >> 8) & 0xFFu] ^ t[5][(w2 >> 16) & 0xFFu] ^ t[4][w2 >> 24]
              ^ t[3][w3 & 0xFFu] ^ t[2][(w3 >> 8) & 0xFFu] ^ t[1][(w3 >> 16) & 0xFFu] ^ t[0][w3 >> 24];
        p += 16;
        n -= 16;
    }
    while (n-- > 0)
        crc = (crc >> 8) ^ t[0][(crc & 0xFFu) ^ *p++];
    return crc;
}

quint32 FinalCRC(quint32 crc)
{
    return ~crc;
}

QString FormatCRC(quint32 crc)
{
    return QString::number(crc, 16).toUpper().leftJustified(8, QLatin1Char(' '));
}

std::optional<QString> GetCRCforFile(const QString &sPath)
{
    QFile file(sPath);
    if (QFileInfo(sPath).isDir() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    quint32 crc = BuildCRCTable(kPolynomial, kStartValue);
    // Chunks keep memory flat for files of any size.
    QByteArray chunk(kChunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        crc = UpdateCRC(QByteArrayView(chunk.constData(), got), crc);
    }
    return FormatCRC(FinalCRC(crc));
}

}  // namespace CRCfile
