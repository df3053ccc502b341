#pragma once

#include "engine/Conversation.h"
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

// Picks one entry of match.sCode from data/match.sFile at random, passing over
// the one the block gave last in the conversation, and fills its tags. A name
// or follow-up the block gives comes back in the entry for the caller to take.
// A failure is logged, and yields an empty entry whose failure says why.
ResponseEntry GetRandomEntryFromFile(const KeywordMatch &match, int mode, Conversation &conversation);

// [name] becomes sUserName; the echo tags take the words of match.sInput.
QString FillTemplate(const QString &sText, const KeywordMatch &match, const QString &sUserName);
// Text as answers write it: lower-cased unless the base keeps its answers' case.
QString InAnswerCase(const QString &s);
// The phrase with its pronouns turned round by data/reflections.txt (or the
// built-in table), lower-cased.
QString ReflectPronouns(const QString &sPhrase);
