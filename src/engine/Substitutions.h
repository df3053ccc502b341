#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

// How a sentence is read before it is searched: typographic apostrophes and
// quotes become plain ones, and the words of data/substitutions.txt (chat
// spellings, common typos) become what they stand for. Whole words only, in
// one pass: a replacement is never replaced again. Without the file only the
// quotes are folded.
struct SubstitutionTable {
    QHash<QString, QString> words;  // lower-cased word -> its replacement
};

namespace Substitutions {

// One rule a line: the word as typed, then what it stands for. Each line it
// cannot take is skipped and described in problems as "line N: why".
SubstitutionTable Parse(QStringView sText, QStringList *problems = nullptr);
// data/substitutions.txt when it can be read, else an empty table.
SubstitutionTable Load();

QString FoldQuotes(QString sText);
QString Normalise(const QString &sSentence, const SubstitutionTable &table);
// With the knowledge base's own table.
QString Normalise(const QString &sSentence);

}  // namespace Substitutions
