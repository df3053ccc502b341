#pragma once

#include "engine/ReplyTrace.h"

#include <QString>
#include <QStringList>

// The lines shown under an answer: what was searched, what matched, which
// entry answered, what failed and why, and what the next sentence will search
// first. sPreviousKeyword is the phrase that answered the sentence before.
QStringList TraceLines(const ReplyTrace &trace, const QString &sPreviousKeyword);

namespace Trace {

// How a trace names a knowledge file: "data/" and its name.
QString InData(const QString &sName);
QString Quoted(const QString &s);

}  // namespace Trace
