#pragma once

#include "cli/ConvoRunner.h"

#include <QByteArray>
#include <QString>

// What a run of test files tells the botmaster, in the three forms asked for:
// lines an editor jumps to, one JSON document, and JUnit XML for CI systems.
namespace ConvoReport {

// "FILE.convo:LINE: error: expected ..., got ..." and the reply and its trace under each, then the summary.
QString Text(const ConvoRunner &runner);
QString Summary(const ConvoRunner &runner);
QByteArray Json(const ConvoRunner &runner);
// One test suite per file, one test case per conversation.
QByteArray JUnit(const ConvoRunner &runner);

}  // namespace ConvoReport
