#include "engine/PhraseMatch.h"

#include <QChar>

#include <algorithm>
#include <functional>
#include <string_view>

namespace PhraseMatch {

namespace {

// One code point of UTF-8 or UTF-16 text and how many units it takes. A
// broken sequence counts as one unit of U+FFFD, a symbol.
struct CodePoint {
    char32_t c = 0xFFFD;
    size_t n = 1;
};

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

CodePoint At(std::string_view s, size_t i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80)
        return {b, 1};
    const size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
    if (n == 0 || i + n > s.size())
        return {};
    char32_t c = b & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) {
        if (!IsContinuation(s[i + k]))
            return {};
        c = c << 6 | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    }
    return {c, n};
}

CodePoint Before(std::string_view s, size_t i)
{
    size_t start = i - 1;
    while (start > 0 && i - start < 4 && IsContinuation(s[start]))
        --start;
    const CodePoint cp = At(s, start);
    return start + cp.n == i ? cp : CodePoint{};
}

CodePoint At(std::u16string_view s, size_t i)
{
    if (QChar::isHighSurrogate(s[i]) && i + 1 < s.size() && QChar::isLowSurrogate(s[i + 1]))
        return {QChar::surrogateToUcs4(s[i], s[i + 1]), 2};
    return {s[i], 1};
}

CodePoint Before(std::u16string_view s, size_t i)
{
    if (i >= 2 && QChar::isLowSurrogate(s[i - 1]) && QChar::isHighSurrogate(s[i - 2]))
        return {QChar::surrogateToUcs4(s[i - 2], s[i - 1]), 2};
    return {s[i - 1], 1};
}

// Index of the first edge character at or after i, or the text's size.
template <typename Char>
size_t NextEdge(std::basic_string_view<Char> s, size_t i)
{
    while (i < s.size()) {
        const CodePoint cp = At(s, i);
        if (IsEdge(cp.c))
            return i;
        i += cp.n;
    }
    return s.size();
}

template <typename Char>
Edges EdgesIn(std::basic_string_view<Char> phrase)
{
    const bool holdsWord = std::any_of(phrase.begin(), phrase.end(), [](Char c) { return c != Char(' '); });
    return {holdsWord && phrase.front() == Char(' '), holdsWord && phrase.back() == Char(' ')};
}

template <typename Char>
std::optional<Span> FindIn(std::basic_string_view<Char> text, std::basic_string_view<Char> phrase)
{
    const auto [left, right] = EdgesIn(phrase);
    const std::basic_string_view<Char> core = phrase.substr(left, phrase.size() - left - right);
    if (core.empty())
        return Span{};
    const std::boyer_moore_searcher searcher(core.begin(), core.end());
    size_t from = 0;
    while (from + core.size() <= text.size()) {
        const auto it = std::search(text.begin() + qsizetype(from), text.end(), searcher);
        if (it == text.end())
            return std::nullopt;
        const size_t pos = size_t(it - text.begin()), end = pos + core.size();
        const CodePoint before = left && pos > 0 ? Before(text, pos) : CodePoint{U' ', 0};
        const CodePoint after = right && end < text.size() ? At(text, end) : CodePoint{U' ', 0};
        const bool leftOk = IsEdge(before.c), rightOk = IsEdge(after.c);
        if (leftOk && rightOk)
            return Span{qsizetype(pos - before.n), qsizetype(end + after.n)};
        // Skip the places where the failed edge cannot hold, so that a phrase
        // found everywhere but never beside an edge costs one pass, not one
        // comparison per place.
        size_t next = pos + 1;
        if (!leftOk) {
            const size_t edge = NextEdge(text, pos);
            if (edge == text.size())
                return std::nullopt;
            next = std::max(next, edge + At(text, edge).n);
        }
        if (!rightOk)
            next = std::max(next, NextEdge(text, end) - core.size());
        from = next;
    }
    return std::nullopt;
}

}  // namespace

Edges EdgesOf(QStringView sPhrase)
{
    return EdgesIn(std::u16string_view(sPhrase.utf16(), size_t(sPhrase.size())));
}

bool IsEdge(char32_t c)
{
    if (c == U'\'' || c == U'\u2019' || c == U'\u2018' || c == U'\u02BC')
        return false;
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
        return false;
    default:
        return !QChar::isLetterOrNumber(c);
    }
}

std::optional<Span> Find(QStringView sText, QStringView sPhrase)
{
    return FindIn(std::u16string_view(sText.utf16(), size_t(sText.size())), std::u16string_view(sPhrase.utf16(), size_t(sPhrase.size())));
}

bool Occurs(std::string_view text, std::string_view phrase)
{
    return FindIn(text, phrase).has_value();
}

bool Occurs(std::u16string_view text, std::u16string_view phrase)
{
    return FindIn(text, phrase).has_value();
}

}  // namespace PhraseMatch
