#pragma once

#include "common/KeywordMatch.h"

#include <QString>

// Why an answer came, for a botmaster reading a transcript: what was searched,
// which line matched and which entry was chosen. File names are as the
// knowledge files write them, relative to data/.
struct ReplyTrace {
    // The sentence as the searches read it, when that differs from what was typed.
    QString sRead;
    // A later question of the line, searched and answered first; empty when none was.
    QString sQuestion;
    // The follow-up index searched first; empty when none was pending.
    QString sFollowUpIndex;
    bool followUpMatched = false;
    // The index whose search gave the match, or the last one searched.
    QString sIndex;
    // The search passing over the previous reply's keyword ran.
    bool repeatSearch = false;
    // Line (from 1) of the matching keyword line in sIndex; 0 when none matched.
    int nKeywordLine = 0;
    // The block that answered; an empty sKeyword means the fallback block.
    KeywordMatch match;
    // Line (from 1) of the chosen entry in match.sFile; 0 when none was chosen.
    int nEntryLine = 0;
    // The follow-up index left for the next sentence; empty when none.
    QString sNextFollowUp;
};
