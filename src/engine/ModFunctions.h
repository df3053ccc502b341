#pragma once

#include "engine/EngineTypes.h"

#include <QString>

// The searches, the selection and the templates. Every call reads its file
// afresh; nothing is cached between calls.

// Searches the main keyword index (modPublic::KeywordIndexFile in data/).
// pnLine, when given, receives the matching line's number (from 1), or 0. A
// failure is logged, yields no match and, with pFailure, says why.
KeywordMatch KeywordSearch(const QString &sSentence, int *pnLine = nullptr, EngineFailure *pFailure = nullptr);
// Searches the keyword index at the path given.
KeywordMatch KeywordSearchFile(const QString &sSentence, const QString &sPath, int *pnLine = nullptr, EngineFailure *pFailure = nullptr);

// Picks one entry of match.sCode from data/match.sFile at random and fills its
// tags. A failure is logged, and yields an empty entry whose failure says why.
ResponseEntry GetRandomEntryFromFile(const KeywordMatch &match, int mode);

QString FillTemplate(const QString &sText, const KeywordMatch &match);
// Text as answers write it: lower-cased unless the base keeps its answers' case.
QString InAnswerCase(const QString &s);
// The phrase with its pronouns turned round by data/reflections.txt (or the
// built-in table), lower-cased.
QString ReflectPronouns(const QString &sPhrase);
