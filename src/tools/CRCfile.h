#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

// CRC-32 of the data folder's files, as zlib and IEEE 802.3 compute it:
// reflected polynomial 0xEDB88320, start value 0xFFFFFFFF, final complement.
namespace CRCfile {

inline constexpr quint32 kPolynomial = 0xEDB88320u;
inline constexpr quint32 kStartValue = 0xFFFFFFFFu;

// Fills the process-wide table from a reflected polynomial and hands back the
// start value unchanged.
quint32 BuildCRCTable(quint32 polynomial, quint32 startValue);

// The running value after every byte of the text, in order. Any length.
quint32 UpdateCRC(QByteArrayView bytes, quint32 crc);

quint32 FinalCRC(quint32 crc);

// The hexadecimal digits in upper case without leading zeros, left-aligned in
// eight characters and padded with blanks.
QString FormatCRC(quint32 crc);

// The CRC string of every byte of the file. A file that cannot be read shows
// the CRC wizard's error box and gives an empty string.
QString GetCRCforFile(const QString &sPath);

inline const QString kWizardTitle = QStringLiteral("Zem CRC Wizard v1.00");

}  // namespace CRCfile
