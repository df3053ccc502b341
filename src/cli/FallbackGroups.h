#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

// The sentences no keyword answered, grouped into work: sentences that share
// words (stop words left out) form a group, the largest first, each with a
// phrase a new keyword line could take and where in the main index that line
// would stand unshadowed.
class FallbackGroups {
public:
    struct Sentence {
        QString sText;
        int nTimes = 1;
        QString sWhere;  // "file:line" of its first appearance; may be empty
    };
    struct Group {
        QStringList words;  // shared by every sentence of the group; empty for those that share none
        QString sPhrase;    // suggested, with word edges: " my homework "
        QList<Sentence> sentences;
        int Count() const;
    };
    // Where a keyword line of the phrase would answer before any line it
    // must not lose to, and after the lines more specific than itself.
    struct Place {
        int nAbove = 0;  // the first line whose phrase stands within it (it must go above); 0 when none
        QString sAbove;
        int nBelow = 0;  // the last line above nAbove that holds it (it should go below); 0 when none
        QString sBelow;
    };

    FallbackGroups(const QList<Sentence> &sentences, const QSet<QString> &stopWords);

    const QList<Group> &Groups() const { return m_groups; }
    int SentenceCount() const;

    // data/stopwords.txt (one word a line, "/" comments) when the base has one, else the built-in list.
    static QSet<QString> StopWords();
    static QSet<QString> BuiltInStopWords();
    // The folded words of a sentence (as the search folds it): runs of letters, digits and apostrophes.
    static QStringList Words(const QString &sText);
    static Place PlaceIn(const QString &sPhrase, const QList<QStringView> &indexLines);

    // The report of orvia-test --fallbacks and orvia-chat --report; the index
    // lines are those of the main index, named sIndex.
    QStringList ReportLines(const QList<QStringView> &indexLines, const QString &sIndex) const;

private:
    QList<Group> m_groups;
};
