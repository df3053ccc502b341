#pragma once

#include <QList>
#include <QString>

// For every phrase of an index, the topmost earlier phrase that occurs within
// it (and so always matches first), or -1. Empty phrases take no part. All
// phrases go into one Aho-Corasick automaton, so an index of any size is
// checked in time linear in its length.
QList<int> FindShadowingPhrases(const QList<QString> &phrases);
