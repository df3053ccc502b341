#pragma once

#include "cli/AnswerKey.h"
#include "cli/ConvoChat.h"
#include "cli/SentencesFile.h"

#include <QList>
#include <QStringList>

// What an edit of a knowledge base changes: the sentences whose answer moved
// between the base before and the base after, each sentence answered in its
// conversation by both.
class BaseCompare {
public:
    enum Kind { NewlyAnswered, NewlyUnanswered, OtherLine };
    struct Move {
        Kind kind = OtherLine;
        SentencesFile::Sentence sentence;
        AnswerKey before;
        AnswerKey after;
    };

    // The outcomes are ConvoChat::AnswerAll's of the same sentences, one per base.
    BaseCompare(const SentencesFile &sentences, const QList<TurnOutcome> &before, const QList<TurnOutcome> &after);

    const QList<Move> &Moves() const { return m_moves; }
    int Compared() const { return m_nCompared; }
    int Count(Kind kind) const;
    // Grouped by kind, each sentence with its answer before and after; then the counts.
    QStringList ReportLines(const QString &sSentencesFile) const;

private:
    QList<Move> m_moves;
    int m_nCompared = 0;
};
