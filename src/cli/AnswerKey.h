#pragma once

#include "cli/ConvoChat.h"

#include <QString>

// Where an answer came from, as a botmaster compares two answers: the index
// line that matched (or none) and the block that answered. The draw is no part
// of it.
struct AnswerKey {
    bool fallback = false;  // no keyword answered: the fallback block, or the name taken as typed
    bool watchWord = false;
    bool nameTurn = false;
    QString sIndex;         // the index searched last, as the knowledge files name it
    int nLine = 0;          // of the matching line in sIndex; 0 when none matched
    QString sPhrase;
    QString sCode;
    QString sFile;
    QString sFailure;       // the first failure of the turn; empty when there was none

    static AnswerKey Of(const TurnOutcome &outcome);
    // "line keywords.txt:12 "pizza", code 0021 food.txt", "fallback, code 0001 Preset4.txt" ...
    QString Describe() const;
    // The same line (by its phrase, so that lines added above do not count) and the same block.
    bool SameAnswer(const AnswerKey &other) const;
};

// File names as the knowledge files write them: "\" for "/", any letter case.
bool SameFileName(const QString &a, const QString &b);
