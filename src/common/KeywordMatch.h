#pragma once

#include <QString>

// What a keyword search found, or a hand-made address of a preset block.
// An empty sKeyword means that nothing matched.
struct KeywordMatch {
    QString sKeyword;
    QString sCode;
    QString sFile;
    QString sInput;  // the sentence searched, as the substitution table read it
    QString sTyped;  // the sentence as the user typed it, when it differs

    bool operator==(const KeywordMatch &) const = default;
};
