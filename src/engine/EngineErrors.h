#pragma once

#include "common/TextFile.h"

#include <QString>

// How the engine reports a failure: an error-log entry, then the message box.
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

// Returns the description written, for the caller's result.
QString Report(const QString &sName, const QString &sGeneratedAt, const TextFile::Failure &failure);

}  // namespace EngineErrors
