#include "console/LogWriter.h"

#include "common/DataFolder.h"
#include "common/Dialogs.h"
#include "common/TextFile.h"
#include "common/modPublic.h"
#include "console/ConsoleRows.h"
#include "console/GeneralDate.h"

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
    const QByteArray bytes = TextFile::EncodeWindows1252(sLine) + "\r\n";
    if (file.write(bytes) != bytes.size())
        return {false, sPath, file.errorString()};
    file.close();
    if (file.error() != QFileDevice::NoError)
        return {false, sPath, file.errorString()};
    return {true, sPath, QString()};
}

LogWriteStatus AddConsoleRow(ConsoleList list, const LogEntry &entry, int nIcon, const LogWriteStatus &written)
{
    ConsoleRows *rows = RegisteredConsoleRows();
    if (!modPublic::ConsoleLoaded || !rows)
        return written;
    const int n = rows->RowCount(list) + 1;
    if (nIcon < 1 || nIcon > 6 || !rows->AddRow(list, n, GeneralDateNow(), nIcon))
        return {false, written.sPath, QStringLiteral("the console has no icon number %1 for the row").arg(nIcon)};
    rows->SetColumnText(list, n, 2, entry.sName);
    rows->SetColumnText(list, n, 3, entry.sGeneratedAt);
    rows->SetColumnText(list, n, 4, entry.sDescription);
    return written;
}

}  // namespace

QString LogWriteStatus::Message() const
{
    return QStringLiteral("Orvia could not write to the log file %1: %2.").arg(QDir::toNativeSeparators(sPath), sReason);
}

QString EventLogLine(const QString &sDateTime, const LogEntry &entry, int priority)
{
    return sDateTime + kSeparator + entry.sName + kSeparator + entry.sGeneratedAt + kSeparator + entry.sDescription
           + kSeparator + QString::number(priority);
}

QString ErrorLogLine(const QString &sDateTime, const LogEntry &entry)
{
    return sDateTime + kSeparator + entry.sName + kSeparator + entry.sGeneratedAt + kSeparator + entry.sDescription;
}

LogWriteStatus WriteEventLog(const LogEntry &entry, int priority)
{
    const LogWriteStatus written = AppendLine(DataFolder::LogPath(EventLogFileName),
                                              EventLogLine(GeneralDateNow(), entry, priority));
    if (!written)
        return written;
    return AddConsoleRow(ConsoleList::EventLog, entry, priority, written);
}

LogWriteStatus WriteErrorLog(const LogEntry &entry)
{
    const LogWriteStatus written = AppendLine(DataFolder::LogPath(ErrorLogFileName), ErrorLogLine(GeneralDateNow(), entry));
    if (!written)
        return written;
    return AddConsoleRow(ConsoleList::ErrorLog, entry, kErrorIcon, written);
}

void ReportLogFailure(const LogWriteStatus &status)
{
    if (!status)
        Dialogs::MsgBox(status.Message(), QString(), Dialogs::Icon::Warning);
}
