#pragma once

#include "common/KeywordMatch.h"
#include "engine/EngineFailure.h"

#include <QString>

namespace KeywordSearchCore {

// The search shared by the three keyword searches: the first line of the index
// at sPath whose phrase occurs in the sentence (and, with psExclude, differs
// from it). Failures are logged under sLocation; they yield no match, and
// *pFailure (when given) says why. pnLine, when given, receives the
// matching line's number (from 1), or 0.
KeywordMatch Search(const QString &sSentence, const QString &sPath, const QString &sLocation, const QString *psExclude,
                    int *pnLine = nullptr, EngineFailure *pFailure = nullptr);

}  // namespace KeywordSearchCore
