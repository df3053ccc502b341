#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// How a knowledge base's language works, from data/settings.txt: one setting
// a line, its name then its value. Without the file, or without a line, a
// setting keeps the value below.
struct BaseSettings {
    bool keepCase = false;     // "keep-case yes": answers keep their letter case as written
    bool foldAccents = false;  // "fold-accents yes": "ecole" matches "école"
    QString sWatchWord = QStringLiteral("but");  // "watch-word WORD": the word typed alone that is answered at once, folded
    QString sWatchWordWritten = QStringLiteral("but");  // as the file writes it

    // What [keyword] reads in the shortcut's answer: the bot's prefix and the word, capitalised.
    QString WatchWordKeyword() const;
};

namespace Settings {

// Each line it cannot take is skipped and described in problems as "line N: why".
BaseSettings Parse(QStringView sText, QStringList *problems = nullptr);
// The knowledge base's own, read again only when the file changed.
BaseSettings Load();

}  // namespace Settings
