#pragma once

#include "common/FailureNotice.h"
#include "logs/LogEntry.h"

#include <QString>

// How a log write went. The writers trap nothing: a failure comes back to the
// caller, which decides how to show it.
struct LogWriteStatus {
    bool ok = true;
    QString sPath;    // the log file
    QString sReason;  // why it could not be written

    explicit operator bool() const { return ok; }
    // A sentence for the user naming the file and the reason.
    QString Message() const;
    // The warning that tells the user of a failed write.
    FailureNotice Notice() const { return {Message(), QString(), FailureNotice::Kind::Warning}; }
};

// Appends one line to logs/EventLog.txt (date¥name¥where¥description¥priority)
// and, while a sink is registered, a row to its event list with the icon whose
// number is the priority.
LogWriteStatus WriteEventLog(const LogEntry &entry, int priority);
// Appends one line to logs/ErrorLog.txt (date¥name¥where¥description) and,
// while a sink is registered, a row to its error list with icon 4.
LogWriteStatus WriteErrorLog(const LogEntry &entry);

inline const QString EventLogFileName = QStringLiteral("EventLog.txt");
inline const QString ErrorLogFileName = QStringLiteral("ErrorLog.txt");
