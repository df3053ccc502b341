#include "FuzzSupport.h"

#include "common/TextFile.h"
#include "common/modPublic.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

namespace {

QString folder;
QStringList written;

void Quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

void RemoveFolder()
{
    if (!folder.isEmpty())
        QDir(folder).removeRecursively();
}

void CreateFolder()
{
    qInstallMessageHandler(Quiet);
    const QString sBase = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    folder = QStringLiteral("%1/orvia-fuzz-%2").arg(sBase).arg(QCoreApplication::applicationPid());
    QDir(folder).removeRecursively();
    QDir().mkpath(folder + QStringLiteral("/data"));
    QDir().mkpath(folder + QStringLiteral("/logs"));
    std::atexit(RemoveFolder);
}

}  // namespace

void Fail(const char *what, const QString &sDetail)
{
    std::fprintf(stderr, "FINDING: %s\n%s\n", what, qUtf8Printable(TextFile::WithVisibleNul(sDetail)));
    std::abort();
}

void BeginInput()
{
    if (folder.isEmpty())
        CreateFolder();
    for (const QString &sName : written)
        QFile::remove(folder + QStringLiteral("/data/") + sName);
    written.clear();
    QFile::remove(folder + QStringLiteral("/logs/ErrorLog.txt"));
    QFile::remove(folder + QStringLiteral("/logs/EventLog.txt"));
    modPublic::Reset();
    modPublic::ProgramFolder = folder;
    modPublic::KeywordIndexFile = QStringLiteral("keywords.txt");
}

void WriteData(const QString &sName, QByteArrayView bytes)
{
    // The system takes a name only up to a NUL: "a.txt<NUL>x" would write a.txt.
    if (sName.isEmpty() || sName.contains(QLatin1Char('/')) || sName.contains(QLatin1Char('\\')) || sName.startsWith(QLatin1Char('.'))
        || sName.contains(QChar(0)))
        return;
    QFile file(folder + QStringLiteral("/data/") + sName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(bytes.data(), bytes.size());
    written.append(sName);
}

QStringList ErrorLogLines()
{
    const std::optional<QByteArray> bytes = TextFile::ReadBytes(folder + QStringLiteral("/logs/ErrorLog.txt"));
    const QString sText = QString::fromUtf8(bytes.value_or(QByteArray()));  // the logs are UTF-8
    QStringList lines;
    for (const QStringView line : TextFile::SplitLines(sText))
        lines << line.toString();
    return lines;
}

Input Split(const uint8_t *data, size_t size, int nStrings)
{
    Input input;
    const QByteArrayView all(data, qsizetype(size));
    qsizetype start = 0;
    const QByteArrayView separator(kSeparator);
    for (int i = 0; start <= all.size(); ++i) {
        qsizetype end = all.indexOf(separator, start);
        if (end < 0)
            end = all.size();
        const QByteArrayView part = all.sliced(start, end - start);
        if (i < nStrings) {
            input.strings.append(QString::fromUtf8(part));
            input.stringBytes.append(part);
        } else {
            const qsizetype lf = part.indexOf('\n');
            const QByteArrayView name = lf < 0 ? part : part.first(lf);
            // A file name comes from one line of a file, so it holds no CR.
            input.files.append({QString::fromUtf8(name).remove(QLatin1Char('\r')), lf < 0 ? QByteArrayView() : part.sliced(lf + 1)});
        }
        start = end + separator.size();
    }
    while (input.strings.size() < nStrings) {
        input.strings.append(QString());
        input.stringBytes.append(QByteArrayView());
    }
    return input;
}

void WriteFiles(const Input &input)
{
    // A knowledge base of more files finds nothing new and only slows each input.
    for (const Input::File &file : input.files.first(qMin<qsizetype>(input.files.size(), 8)))
        WriteData(file.sName, file.bytes);
}

}  // namespace Fuzz
