#pragma once

#include <QByteArrayView>

// The lines of a file's bytes, each without its end: CR LF, LF and a lone CR
// all end a line, and a byte-order mark at the start is passed over. Lines are
// decoded by the reader, one by one, so that one bad line is named alone.
class ByteLines {
public:
    explicit ByteLines(QByteArrayView bytes)
        : m_bytes(bytes)
        , m_nPos(bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0)
    {
    }

    bool AtEnd() const { return m_nPos >= m_bytes.size(); }
    QByteArrayView Next()
    {
        const qsizetype nStart = m_nPos;
        qsizetype i = nStart;
        while (i < m_bytes.size() && m_bytes[i] != '\n' && m_bytes[i] != '\r')
            ++i;
        const QByteArrayView line = m_bytes.sliced(nStart, i - nStart);
        if (i + 1 < m_bytes.size() && m_bytes[i] == '\r' && m_bytes[i + 1] == '\n')
            ++i;
        m_nPos = i + 1;
        return line;
    }
    int CountRest()
    {
        int n = 0;
        for (; !AtEnd(); Next())
            ++n;
        return n;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_nPos;
};
