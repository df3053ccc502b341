#pragma once

#include <QString>

// A failure the engine met, after its error-log entry was written: why, as the
// entry says, and why that entry could not be written when it could not. The
// caller decides how to tell the user (EngineErrors::Notices).
struct EngineFailure {
    QString sReason;
    QString sLogProblem;

    bool Failed() const { return !sReason.isEmpty(); }
};
