#pragma once

#include "common/KeywordMatch.h"
#include "engine/EngineFailure.h"

#include <QString>

// The keyword searches, each a front of KeywordSearchCore. pnLine, when given,
// receives the matching line's number (from 1), or 0. A failure is logged,
// yields no match and, with pFailure, says why. Every call reads its index
// afresh.

// Searches the main keyword index (modPublic::KeywordIndexFile in data/).
KeywordMatch KeywordSearch(const QString &sSentence, int *pnLine = nullptr, EngineFailure *pFailure = nullptr);
// Searches the keyword index at the path given.
KeywordMatch KeywordSearchFile(const QString &sSentence, const QString &sPath, int *pnLine = nullptr, EngineFailure *pFailure = nullptr);
// The main search, passing over the phrase sExclude (the keyword of the previous reply).
KeywordMatch KeywordSearchExclude(const QString &sSentence, const QString &sExclude, int *pnLine = nullptr, EngineFailure *pFailure = nullptr);
