#include "logs/LogWriter.h"

#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "logs/GeneralDate.h"
#include "logs/LogSink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QChar kSeparator(0x00A5);  // the yen sign, byte 0xA5 in Windows-1252
constexpr int kErrorIcon = 4;

LogWriteStatus AppendLine(const QString &sPath, const QString &sLine)
{
    // The folder is never created: a missing logs folder is the caller's failure.
    if (!QFileInfo(QFileInfo(sPath).path()).isDir())
        return {false, sPath, QStringLiteral("the folder %1 does not exist").arg(QFileInfo(sPath).path())};
    QFile file(sPath);
    // One unbuffered write per line onto a file opened for appending: another
    // process writing the same log can neither tear the line nor overwrite it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return {false, sPath, file.errorString()};
    // UTF-8, so that a file name or a sentence in any script is kept whole.
    const QByteArray bytes = sLine.toUtf8() + "\r\n";
    if (file.write(bytes) != bytes.size())
        return {false, sPath, file.errorString()};
    file.close();
    if (file.error() != QFileDevice::NoError)
        return {false, sPath, file.errorString()};
    return {true, sPath, QString()};
}

// One reading of the clock for the file line and the console row alike.
LogWriteStatus Write(ConsoleList list, const LogEntry &entry, int nIcon, const QString &sPriority)
{
    const LogRow row{GeneralDateNow(), entry.sName, entry.sGeneratedAt, entry.sDescription, nIcon};
    QString sLine = row.sTime + kSeparator + entry.sName + kSeparator + entry.sGeneratedAt + kSeparator + entry.sDescription;
    if (!sPriority.isNull())
        sLine += kSeparator + sPriority;
    const bool event = list == ConsoleList::EventLog;
    const LogWriteStatus written = AppendLine(DataFolder::LogPath(event ? EventLogFileName : ErrorLogFileName), sLine);
    if (!written)
        return written;
    LogSink *sink = RegisteredLogSink();
    if (sink && !sink->AddRow(list, row))
        return {false, written.sPath, QStringLiteral("the console has no icon number %1 for the row").arg(nIcon)};
    return written;
}

}  // namespace

QString LogWriteStatus::Message() const
{
    return QStringLiteral("Orvia could not write to the log file %1: %2.").arg(QDir::toNativeSeparators(sPath), sReason);
}

LogWriteStatus WriteEventLog(const LogEntry &entry, int priority)
{
    return Write(ConsoleList::EventLog, entry, priority, QString::number(priority));
}

LogWriteStatus WriteErrorLog(const LogEntry &entry)
{
    return Write(ConsoleList::ErrorLog, entry, kErrorIcon, QString());
}
