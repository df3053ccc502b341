#pragma once

#include <QStringView>

#include <optional>
#include <string_view>

// Where a keyword phrase stands in a sentence. A blank at either end of a
// phrase that holds more than blanks is a word edge: it stands for a blank, a
// punctuation mark or symbol (an apostrophe is part of a word), or the start
// or end of the sentence. Everything else is compared character for character,
// inside words too. Both sides come lower-cased.
namespace PhraseMatch {

struct Edges {
    bool left = false;
    bool right = false;
};
Edges EdgesOf(QStringView sPhrase);

// Whether c, standing beside a word, ends it.
bool IsEdge(char32_t c);

// The first match: from its first to one past its last character, edge
// characters included.
struct Span {
    qsizetype nStart = 0;
    qsizetype nEnd = 0;
};
std::optional<Span> Find(QStringView sText, QStringView sPhrase);

// The same test on UTF-8, for the search's fast way.
bool Occurs(std::string_view text, std::string_view phrase);
bool Occurs(std::u16string_view text, std::u16string_view phrase);

}  // namespace PhraseMatch
