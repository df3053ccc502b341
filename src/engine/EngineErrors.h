#pragma once

#include "common/FailureNotice.h"
#include "common/TextFile.h"
#include "engine/EngineFailure.h"
#include "engine/ReplyTrace.h"

#include <QList>
#include <QString>

// How the engine reports a failure: an error-log entry, and the failure handed
// back; whoever shows it shows the log's own failure, then the apology.
namespace EngineErrors {

inline const QString kComponent = QStringLiteral("Orvia");
// What the message box says of every failure; the reason is in the error log and the trace.
inline const QString kApology = QStringLiteral("There has been an internal Error, Please Contact System Administrator");

// Numbers for failures that are not the file system's own.
enum Number {
    kNameOutsideData = 1001,
    kShortKeywordLine = 1002,
    kShortSectionLine = 1003,
    kNoEntries = 1004,
    kShortAttributeLine = 1005,
    kEmptyStatement = 1006,
};

// "Error Number N( description)(component)"
QString Describe(const TextFile::Failure &failure);

// Writes the error-log entry; returns the failure for the caller's result.
EngineFailure Report(const QString &sName, const QString &sGeneratedAt, const TextFile::Failure &failure);

// The message boxes the user is shown of failures, in order: for each, a
// warning when its entry could not be written, then the apology.
QList<FailureNotice> Notices(const EngineFailure &failure);
QList<FailureNotice> Notices(const QList<ReplyTrace::Failure> &failures);

}  // namespace EngineErrors
