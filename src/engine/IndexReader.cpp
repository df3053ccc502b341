#include "engine/IndexReader.h"

#include "common/TextFile.h"

#include <QStringDecoder>

#include <cstring>

IndexReader::IndexReader(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
    if (m_bytes.startsWith("\xEF\xBB\xBF"))
        m_next = 3;
}

bool IndexReader::NextLine()
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

QString IndexReader::Decoded()
{
    if (!m_isUtf8) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString sWhole = utf8(m_bytes);  // the decoder works when converted
        m_isUtf8 = !utf8.hasError();
    }
    if (*m_isUtf8)
        return QString::fromUtf8(m_line);
    return TextFile::DecodeWindows1252(m_line.toByteArray());
}
