#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

// Turning the user's words round for an echo: "i" becomes "you", "you are"
// becomes "i am". The table is read from data/reflections.txt (format in that
// file and docs/KNOWLEDGE.md); without the file the shipped table is built in.
struct ReflectionTable {
    struct Forms {
        QString sSubject;
        QString sObject;  // equal to sSubject for a word with one form
    };
    QHash<QString, Forms> swaps;
    // One line of verb forms each: pronoun -> the form that goes with it.
    QList<QHash<QString, QString>> verbGroups;
    QHash<QString, qsizetype> verbGroupOf;  // every one-word form -> its line
    QSet<QString> objectAfter, subjectAfter, subjectBefore, clauseStarts;
    // Swaps of several words ("je suis"), and the longest swap written in a
    // script without blanks, which the words of such a script are split by.
    qsizetype nMostWords = 1;
    qsizetype nLongestUnspaced = 0;
};

namespace Reflection {

// Reads a table; each line it cannot take is skipped and described in problems
// as "line N: why".
ReflectionTable Parse(QStringView sText, QStringList *problems = nullptr);
const ReflectionTable &BuiltIn();
// data/reflections.txt when it can be read, else the built-in table.
ReflectionTable Load();

// The phrase with every table word turned round once (into the table's form,
// the rest in the case it came in); the text
// between words is kept and leading and trailing blanks are removed. sLead is
// what stood before the phrase in the user's sentence: it is read to tell
// "i like you" from "i think you like", not turned round or returned.
QString Reflect(const QString &sPhrase, const ReflectionTable &table, const QString &sLead = QString());

}  // namespace Reflection
