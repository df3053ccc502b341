#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Walks the lines of a keyword index over its raw bytes. Nearly every line of
// an index is ASCII, which reads the same in UTF-8 and Windows-1252, so such
// lines are matched without decoding; only the others are decoded, in the
// encoding of the whole file.
class IndexReader {
public:
    explicit IndexReader(QByteArray bytes);

    // Moves to the next line; false at the end of the file.
    bool NextLine();
    QByteArrayView Raw() const { return m_line; }
    int LineNumber() const { return m_nLine; }
    // The current line as text.
    QString Decoded();

private:
    QByteArray m_bytes;
    qsizetype m_next = 0;
    QByteArrayView m_line;
    int m_nLine = 0;
    std::optional<bool> m_isUtf8;
};
