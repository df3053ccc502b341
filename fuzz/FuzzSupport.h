#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// What every harness shares: one program folder per process in RAM, reused
// for every input, and the way an input is cut into strings and files.
namespace Fuzz {

// A finding: says what broke and aborts, so that libFuzzer keeps the input.
[[noreturn]] void Fail(const char *what, const QString &sDetail = QString());
#define FUZZ_CHECK(cond, detail) \
    do { \
        if (!(cond)) \
            ::Fuzz::Fail(#cond, (detail)); \
    } while (false)

// Called at the start of each input: creates the folder on first use
// (/dev/shm when there is one), removes the files of the previous input,
// resets the process-wide state and silences Qt's log output.
void BeginInput();

// Writes data/<name>; names with a "/", a "\" or a NUL are not written.
void WriteData(const QString &sName, QByteArrayView bytes);
// The error log's lines since BeginInput().
QStringList ErrorLogLines();

// An input is parts separated by two 0xFF bytes, which no UTF-8 text holds
// and Windows-1252 or UTF-16 text next to never, so that a part may hold any
// other byte, NUL among them. The first `nStrings` parts are strings (UTF-8);
// each later part is a file: its name up to the first line feed (CRs
// dropped), its bytes after it.
inline constexpr char kSeparator[] = "\xFF\xFF";
struct Input {
    QStringList strings;
    QList<QByteArrayView> stringBytes;  // the strings undecoded
    struct File {
        QString sName;
        QByteArrayView bytes;
    };
    QList<File> files;
};
Input Split(const uint8_t *data, size_t size, int nStrings);
// Writes the input's first eight files into data/.
void WriteFiles(const Input &input);

}  // namespace Fuzz
