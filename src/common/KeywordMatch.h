#pragma once

#include <QString>

// What a keyword search found, or a hand-made address of a preset block.
// An empty sKeyword means that nothing matched.
struct KeywordMatch {
    QString sKeyword;
    QString sCode;
    QString sFile;
    QString sInput;

    bool operator==(const KeywordMatch &) const = default;
};
