#pragma once

#include <QRegularExpression>
#include <QString>

// A keyword phrase read the plain way, as a pattern: a blank at either end of
// a phrase that holds more than blanks stands for a word edge (no letter,
// digit, mark or apostrophe beside it), the rest is literal.
inline QRegularExpression PlainPhrase(const QString &sPhrase)
{
    static const QString kWordChar = QStringLiteral("[\\p{L}\\p{N}\\p{M}\\p{Cf}'\\x{2019}\\x{2018}\\x{02BC}]");
    const bool word = sPhrase.trimmed() != QString() && !sPhrase.isEmpty() && sPhrase.contains(QRegularExpression("[^ ]"));
    const bool left = word && sPhrase.startsWith(' '), right = word && sPhrase.endsWith(' ');
    const QString sCore = sPhrase.mid(left, sPhrase.size() - left - right);
    return QRegularExpression((left ? "(?<!" + kWordChar + ")" : QString()) + QRegularExpression::escape(sCore)
                              + (right ? "(?!" + kWordChar + ")" : QString()));
}
