#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Reading knowledge files: the whole file at once, decoded as UTF-8 (a
// byte-order mark is skipped) or, when it is not valid UTF-8, as Windows-1252.
namespace TextFile {

// Why a file could not be read, in the parts an error-log entry shows.
struct Failure {
    int nNumber = 0;
    QString sDescription;
    QString sComponent;
};

std::optional<QString> ReadText(const QString &sPath, Failure *failure = nullptr);
// The file's bytes, undecoded.
std::optional<QByteArray> ReadBytes(const QString &sPath, Failure *failure = nullptr);

QString DecodeKnowledgeBytes(const QByteArray &bytes);
QString DecodeWindows1252(const QByteArray &bytes);

// CR LF, LF and a lone CR all end a line; a terminator at the very end adds no
// empty line. The views point into sText.
QList<QStringView> SplitLines(QStringView sText);

// Windows-1252 bytes for the log files; a character the code page lacks becomes "?".
QByteArray EncodeWindows1252(const QString &sText);

}  // namespace TextFile
