#pragma once

#include "common/KeywordMatch.h"
#include "engine/EngineFailure.h"

#include <QList>
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
    // Why the turn failed, as the error log records it, in the order the
    // failures came; sIndex names the index whose search stopped, and is empty
    // for the answer's own failure. sLogProblem says why the entry could not
    // be written, when it could not.
    struct Failure {
        QString sIndex;
        QString sReason;
        QString sLogProblem;
    };
    void Note(const QString &sFailedIndex, const EngineFailure &failure)
    {
        if (failure.Failed())
            failures.append({sFailedIndex, failure.sReason, failure.sLogProblem});
    }
    QList<Failure> failures;

    // The reason the search of sIndex stopped; empty when it did not.
    QString FailureOf(const QString &sIndex) const
    {
        for (const Failure &f : failures)
            if (f.sIndex == sIndex)
                return f.sReason;
        return QString();
    }
};
