#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringView>

#include <optional>

// Reading knowledge files: decoded as UTF-16 when the file is written so (see
// Utf16FormOf), else as UTF-8 or, when the file is not valid UTF-8, as
// Windows-1252. A byte-order mark is skipped at the start of a file and
// nowhere else.
namespace TextFile {

// How a file in UTF-16 is written: Notepad's "Unicode" and PowerShell write it.
struct Utf16Form {
    bool bigEndian = false;
    bool marked = false;  // starts with a byte-order mark
};
// The form, when the file starts with a UTF-16 byte-order mark, or when its
// first characters are each a byte of text beside a zero byte, which no UTF-8
// or Windows-1252 text is.
std::optional<Utf16Form> Utf16FormOf(QByteArrayView bytes);

// The one reading of a knowledge file, whether it is taken line by line or
// whole. CR LF, LF and a lone CR end a line; a terminator at the very end adds
// no empty line. Lines of ASCII bytes read the same in both encodings, so a
// caller may look at the raw bytes and decode only the lines it needs. A
// UTF-16 file is taken as the UTF-8 it stands for, a unit that is no
// character as U+FFFD.
class LineReader {
public:
    explicit LineReader(QByteArray bytes);

    // Moves to the next line; false at the end of the file.
    bool NextLine();
    QByteArrayView Raw() const { return m_line; }
    int LineNumber() const { return m_nLine; }
    QString Decoded();
    // Everything from the current position on, decoded (the whole file when
    // no line has been read yet).
    QString DecodedRest();

private:
    QString Decode(QByteArrayView bytes);

    QByteArray m_bytes;
    qsizetype m_next = 0;
    QByteArrayView m_line;
    int m_nLine = 0;
    std::optional<bool> m_isUtf8;
    QStringDecoder m_decoder;
};

// Why a file could not be read, in the parts an error-log entry shows.
struct Failure {
    int nNumber = 0;
    QString sDescription;
    QString sComponent;
};

// The whole file through LineReader.
std::optional<QString> ReadText(const QString &sPath, Failure *failure = nullptr);
// The file's bytes, undecoded.
std::optional<QByteArray> ReadBytes(const QString &sPath, Failure *failure = nullptr);

// CR LF, LF and a lone CR all end a line; a terminator at the very end adds no
// empty line. The views point into sText.
QList<QStringView> SplitLines(QStringView sText);

// Whether the bytes are valid UTF-8.
bool IsUtf8(QByteArrayView bytes);
// A line that stands alone (a piped sentence, a log line): UTF-8 when it is
// valid UTF-8, else Windows-1252.
QString DecodeLine(QByteArrayView line);

// The text with each NUL written "<NUL>", for messages that quote a line or a name.
QString WithVisibleNul(QStringView sText);

}  // namespace TextFile
