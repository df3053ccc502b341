#pragma once

#include "engine/EngineTypes.h"

#include <QString>

// The searches, the selection and the templates. Every call reads its file
// afresh; nothing is cached between calls.

// Searches the main keyword index (modPublic::KeywordIndexFile in data/).
// pnLine, when given, receives the matching line's number (from 1), or 0.
KeywordMatch KeywordSearch(const QString &sSentence, int *pnLine = nullptr);
// Searches the keyword index at the path given.
KeywordMatch KeywordSearchFile(const QString &sSentence, const QString &sPath, int *pnLine = nullptr);

// Picks one entry of match.sCode from data/match.sFile at random and fills its
// tags. A failure is logged and shown, and yields an empty entry.
ResponseEntry GetRandomEntryFromFile(const KeywordMatch &match, int mode);

QString FillTemplate(const QString &sText, const KeywordMatch &match);
// The phrase with its pronouns turned round by data/reflections.txt (or the
// built-in table), lower-cased.
QString ReflectPronouns(const QString &sPhrase);
