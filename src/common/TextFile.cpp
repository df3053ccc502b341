#include "common/TextFile.h"

#include "common/Windows1252.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <sys/stat.h>
#include <unistd.h>

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

// Bytes up to the first CR or LF (a lone CR ends a line too). One pass: the
// index lines are short, and two searches of each cost more than the scan.
qsizetype LineLength(const char *start, qsizetype n)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    for (; i + 16 <= n; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(start + i));
        const int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf)));
        if (mask != 0)
            return i + __builtin_ctz(unsigned(mask));
    }
#endif
    for (; i < n; ++i)
        if (start[i] == '\r' || start[i] == '\n')
            return i;
    return n;
}

}  // namespace

bool IsUtf8(QByteArrayView bytes)
{
    return bytes.isValidUtf8();  // the decoder's own test, without building the text
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
    const qsizetype length = LineLength(start, remaining);
    qsizetype step = length;
    if (length < remaining)
        step += (start[length] == '\r' && length + 1 < remaining && start[length + 1] == '\n') ? 2 : 1;
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
    // Both encodings read ASCII alike: a line of it needs no test of the whole file.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; }))
        return QString::fromLatin1(bytes);
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
    auto fail = [&](int nNumber, const QString &sDescription) -> std::optional<QByteArray> {
        if (failure)
            *failure = Failure{nNumber, sDescription, QStringLiteral("QFile")};
        return std::nullopt;
    };
    auto failFromErrno = [&](QFileDevice::FileError error) {
        return fail(error, QStringLiteral("%1: %2").arg(sPath, QString::fromLocal8Bit(std::strerror(errno))));
    };
    // Plain calls: every reply reads a few files, and QFile asks the system
    // three times more about each than the read needs.
    const int fd = ::open(QFile::encodeName(sPath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return failFromErrno(QFileDevice::OpenError);
    const struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return failFromErrno(QFileDevice::OpenError);
    if (S_ISDIR(info.st_mode))
        return fail(QFileDevice::OpenError, QStringLiteral("%1 is a folder, not a file").arg(sPath));
    QByteArray bytes;
    // The size is a hint: a file that grows or shrinks while read is read to its end.
    bytes.resize(qsizetype(std::max<off_t>(info.st_size, 0)) + 1);
    qsizetype nRead = 0;
    for (;;) {
        if (nRead == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd, bytes.data() + nRead, size_t(bytes.size() - nRead));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failFromErrno(QFileDevice::ReadError);
        if (n == 0)
            break;
        nRead += n;
        // A plain file gives less than asked only at its end: no call to hear so.
        if (S_ISREG(info.st_mode) && nRead < bytes.size())
            break;
    }
    bytes.truncate(nRead);
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
