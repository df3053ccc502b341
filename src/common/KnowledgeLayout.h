#pragma once

#include <QLatin1StringView>

#include <array>

// The names a knowledge base is built on: the files the program opens by
// itself, the blocks it answers with by itself and the tags of an answer. The
// engine, the checker and every program read them from here.
namespace KnowledgeLayout {

// A block of a response file, named by the program rather than by an index.
struct PresetAddress {
    QLatin1StringView file;
    QLatin1StringView code;
};

// The index searched first, and the one for the answer to the name question.
inline constexpr QLatin1StringView kMainIndex{"keywords.txt"};
inline constexpr QLatin1StringView kNameIndex{"preset1.txt"};

inline constexpr PresetAddress kGreeting{QLatin1StringView("Preset3.txt"), QLatin1StringView("0002")};
inline constexpr PresetAddress kWelcome{QLatin1StringView("Preset3.txt"), QLatin1StringView("0001")};
inline constexpr PresetAddress kWatchWordAnswer{QLatin1StringView("Preset2.txt"), QLatin1StringView("0010")};
inline constexpr PresetAddress kSeveralWordNameAnswer{QLatin1StringView("Preset2.txt"), QLatin1StringView("0013")};
inline constexpr PresetAddress kFallback{QLatin1StringView("Preset4.txt"), QLatin1StringView("0001")};

inline constexpr QLatin1StringView kNameTag{"[name]"};
inline constexpr QLatin1StringView kKeywordTag{"[keyword]"};
inline constexpr QLatin1StringView kNextTag{"[next]"};
inline constexpr QLatin1StringView kFollowingTag{"[following]"};
inline constexpr std::array<QLatin1StringView, 4> kTags{kNameTag, kKeywordTag, kNextTag, kFollowingTag};

inline constexpr QLatin1StringView kSubstitutions{"substitutions.txt"};
inline constexpr QLatin1StringView kReflections{"reflections.txt"};
inline constexpr QLatin1StringView kSettings{"settings.txt"};

}  // namespace KnowledgeLayout
