#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// For every phrase of an index, the topmost earlier phrase that occurs within
// it (and so always matches first), or -1. Empty phrases take no part. All
// phrases go into one Aho-Corasick automaton, so an index of any size is
// checked in time linear in its length.
QList<int> FindShadowingPhrases(const QList<QString> &phrases);

// The words of a list that a one-word phrase occurs inside of where its word
// edges let it match ("cat" in "category", "won" in "wonderful"). A word that
// is the phrase with an ending ("cats"), with a prefix ("recycle"), or joined
// to another word of the list ("bobcat" when "bob" is one) does not count,
// and of a word and its inflected forms only the first does.
struct HidingWords {
    int nWords = 0;
    QStringList words;  // all of them, in the order of the list
    bool bBefore = false;  // some word has letters before the phrase
    bool bAfter = false;   // some word has letters after it
};
// Phrases of more than one word, or with both edges, get an empty result.
// Every word is run through one automaton of all phrases, so a list of
// 100,000 words costs one pass.
QList<HidingWords> FindHidingWords(const QList<QString> &phrases, const QList<QStringView> &words, const QSet<QStringView> &known);
