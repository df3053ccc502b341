#include "common/TextFile.h"

#include "common/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstring>

namespace TextFile {

namespace {

// Enough characters that text in any other encoding fails the test, few
// enough that a short first line of text (a code, a section) passes.
constexpr qsizetype kUtf16UnitsLooked = 16;

QByteArray Utf16AsUtf8(QByteArrayView bytes, Utf16Form form)
{
    QStringDecoder utf16(form.bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE,
                         QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    const QString sText = utf16(bytes.sliced(form.marked ? 2 : 0));
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);  // writes U+FFFD for a lone surrogate
    return utf8(sText);
}

// The bytes decoded, when they are UTF-8; a leading mark is dropped.
std::optional<QString> AsUtf8(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString sDecoded = utf8(bytes);  // the error shows only once converted
    if (utf8.hasError())
        return std::nullopt;
    return sDecoded;
}

}  // namespace

bool IsUtf8(QByteArrayView bytes)
{
    return AsUtf8(bytes).has_value();
}

QString DecodeLine(QByteArrayView line)
{
    return IsUtf8(line) ? QString::fromUtf8(line) : Windows1252::Decode(line);
}

std::optional<Utf16Form> Utf16FormOf(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return Utf16Form{false, true};
    if (bytes.startsWith("\xFE\xFF"))
        return Utf16Form{true, true};
    const qsizetype nUnits = std::min(bytes.size() / 2, kUtf16UnitsLooked);
    if (bytes.size() % 2 != 0 || nUnits < 2)
        return std::nullopt;
    bool little = true, big = true;
    for (qsizetype i = 0; i < 2 * nUnits; i += 2) {
        little = little && bytes[i] != 0 && bytes[i + 1] == 0;
        big = big && bytes[i] == 0 && bytes[i + 1] != 0;
    }
    if (little || big)
        return Utf16Form{big, false};
    return std::nullopt;
}

LineReader::LineReader(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
    if (const std::optional<Utf16Form> utf16 = Utf16FormOf(m_bytes)) {
        // As UTF-8, lines are split and matched on their bytes as in any other file.
        m_bytes = Utf16AsUtf8(m_bytes, *utf16);
        m_isUtf8 = true;
        return;
    }
    if (m_bytes.startsWith("\xEF\xBB\xBF")) {
        m_isUtf8 = IsUtf8(m_bytes);
        if (*m_isUtf8)
            m_next = 3;
    }
}

bool LineReader::NextLine()
{
    const qsizetype size = m_bytes.size();
    if (m_next >= size)
        return false;
    const char *start = m_bytes.constData() + m_next;
    const qsizetype remaining = size - m_next;
    const char *lf = static_cast<const char *>(std::memchr(start, '\n', size_t(remaining)));
    const qsizetype toLf = lf ? lf - start : remaining;
    const char *cr = static_cast<const char *>(std::memchr(start, '\r', size_t(toLf)));
    qsizetype length = toLf;
    qsizetype step = lf ? toLf + 1 : toLf;
    if (cr) {
        // CR LF, or a lone CR that ends the line before the next LF.
        length = cr - start;
        step = (cr + 1 == lf) ? length + 2 : length + 1;
    }
    m_line = QByteArrayView(start, length);
    m_next += step;
    ++m_nLine;
    return true;
}

QString LineReader::Decoded()
{
    return Decode(m_line);
}

QString LineReader::DecodedRest()
{
    const QByteArrayView rest = QByteArrayView(m_bytes).sliced(m_next);
    if (!m_isUtf8 && m_next == 0) {
        // Nothing read yet, so the rest is the whole file: one pass tests and decodes it.
        std::optional<QString> sText = AsUtf8(rest);
        m_isUtf8 = sText.has_value();
        if (sText)
            return *std::move(sText);
    }
    return Decode(rest);
}

QString LineReader::Decode(QByteArrayView bytes)
{
    if (!m_isUtf8)
        m_isUtf8 = IsUtf8(m_bytes);
    if (!*m_isUtf8)
        return Windows1252::Decode(bytes);
    if (!m_decoder.isValid()) {
        // The mark was passed over as the file was opened; any other U+FEFF is text.
        m_decoder = QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless
                                                           | QStringConverter::Flag::ConvertInitialBom);
    }
    return m_decoder(bytes);
}

std::optional<QString> ReadText(const QString &sPath, Failure *failure)
{
    const std::optional<QByteArray> bytes = ReadBytes(sPath, failure);
    if (!bytes)
        return std::nullopt;
    return LineReader(*bytes).DecodedRest();
}

std::optional<QByteArray> ReadBytes(const QString &sPath, Failure *failure)
{
    QFile file(sPath);
    auto fail = [&](int nNumber, const QString &sDescription) -> std::optional<QByteArray> {
        if (failure)
            *failure = Failure{nNumber, sDescription, QStringLiteral("QFile")};
        return std::nullopt;
    };
    // Asked only on failure: every reply reads a few files, and the open refuses a folder itself.
    if (!file.open(QIODevice::ReadOnly))
        return QFileInfo(sPath).isDir() ? fail(QFileDevice::OpenError, QStringLiteral("%1 is a folder, not a file").arg(sPath))
                                        : fail(file.error(), QStringLiteral("%1: %2").arg(sPath, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(file.error(), QStringLiteral("%1: %2").arg(sPath, file.errorString()));
    return bytes;
}

QList<QStringView> SplitLines(QStringView sText)
{
    QList<QStringView> lines;
    const QChar *data = sText.data();
    const qsizetype n = sText.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(sText.sliced(start, i - start));
        if (c == u'\r' && i + 1 < n && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(sText.sliced(start));
    return lines;
}

QString WithVisibleNul(QStringView sText)
{
    return sText.toString().replace(QChar(0), QStringLiteral("<NUL>"));
}

}  // namespace TextFile
