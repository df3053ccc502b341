#pragma once

#include <QStringView>

// One line of a keyword index file, classified by its first character as read.
struct IndexLine {
    enum Kind { Empty, Comment, Section, Keyword, Malformed } kind = Empty;
    QStringView sCode;     // Keyword: characters 1 to 4
    QStringView sPhrase;   // Keyword: characters 6 to the end, not lower-cased, not trimmed
    QStringView sSection;  // Section: the line without its first and last character
};

IndexLine ClassifyIndexLine(QStringView sLine);
