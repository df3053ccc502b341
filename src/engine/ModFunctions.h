#pragma once

#include "engine/EngineTypes.h"

#include <QString>

// The searches, the selection and the templates. Every call reads its file
// afresh; nothing is cached between calls.

// Searches the main keyword index (modPublic::KeywordIndexFile in data/). A
// failure is logged and shown, yields no match and, with psFailure, says why.
KeywordMatch KeywordSearch(const QString &sSentence, QString *psFailure = nullptr);
// Searches the keyword index at the path given.
KeywordMatch KeywordSearchFile(const QString &sSentence, const QString &sPath, QString *psFailure = nullptr);

// Picks one entry of match.sCode from data/match.sFile at random and fills its
// tags. A failure is logged and shown, and yields an empty entry whose sFailure
// says why.
ResponseEntry GetRandomEntryFromFile(const KeywordMatch &match, int mode);

QString FillTemplate(const QString &sText, const KeywordMatch &match);
QString ReflectPronouns(const QString &sPhrase);
