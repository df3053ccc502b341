#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The form in which phrases and sentences are compared: composed (NFC), then
// fully case-folded, so that "STRASSE" meets "straße", a final sigma meets
// its other form and a decomposed "école" meets a composed one. The dotted
// capital I folds to a plain "i". With accents folded, the combining accents
// of Latin, Greek and Cyrillic letters are dropped as well ("ecole").
namespace TextFold {

QString Folded(QStringView s, bool foldAccents = false);

// Lower case as a reader writes it: a Greek sigma that ends a word is "ς".
QString Lower(const QString &s);

// The folded text and, for each of its characters, where it came from in
// the composed text; a search runs on the one and an echo is cut from the other.
struct Mapped {
    QString sSource;  // s composed
    QString sText;    // sSource folded
    QList<qsizetype> origin;  // per character of sText, then sSource's size

    // Where a span of sText starts and ends in sSource, whole characters only.
    qsizetype SourceStart(qsizetype nFolded) const;
    qsizetype SourceEnd(qsizetype nFolded) const;
};
Mapped Map(QStringView s, bool foldAccents = false);

}  // namespace TextFold
