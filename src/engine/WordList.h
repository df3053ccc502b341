#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The system's English word list (Debian's wamerican), for telling a word
// from a name. Without the list every word can be a name.
namespace WordList {

inline const QString kSystemPath = QStringLiteral("/usr/share/dict/american-english");

// The lower-case words of a list, one a line, as views into sText; names and
// forms with "'" are left out. Empty when the file cannot be read.
QList<QStringView> LowerCaseWords(const QString &sPath, QString &sText);

// Whether a word typed as an answer can be someone's name: not a title ("Mrs"),
// nor a word the list knows only in lower case ("barely", "sure", "hi"), nor
// digits. "Will", "Rose", "K" and names the list lacks can.
bool CouldBeName(QStringView sWord);

// The first part of a line, between ".", "!", "?", "," and ";", that is one
// word that can be a name ("Hi. Jo. Sorry, I'm barely awake." gives "Jo");
// empty when there is none.
QString OneWordName(const QString &sLine);

// The line itself when it is a name of two or three words, each written with a
// capital and each able to be a name ("José María", "Mary Jane"); else empty.
QString CompoundName(const QString &sLine);

}  // namespace WordList
