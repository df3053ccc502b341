#pragma once

#include "common/KeywordMatch.h"

#include <QString>

// Filling an answer's tags: the user's name and the echoes of the sentence,
// with their pronouns turned round.

// [name] becomes sUserName; the echo tags take the words of match.sInput.
QString FillTemplate(const QString &sText, const KeywordMatch &match, const QString &sUserName);
// Text as answers write it: lower-cased unless the base keeps its answers' case.
QString InAnswerCase(const QString &s);
// The phrase with its pronouns turned round by data/reflections.txt (or the
// built-in table), lower-cased.
QString ReflectPronouns(const QString &sPhrase);
// The name the sentence gives after match.sKeyword ("my name is Jo"), or a
// sentence of one word that can be a name; empty when there is none.
QString NameAfterKeyword(const KeywordMatch &match);
