#pragma once

#include <QChar>
#include <QStringView>

// A blank is the space character only: trimming leaves tabs alone.
inline QStringView TrimRightBlanks(QStringView s)
{
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    return s.first(n);
}

inline QStringView TrimBlanks(QStringView s)
{
    s = TrimRightBlanks(s);
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    return s.sliced(i);
}

// Scripts written without blanks between words.
inline bool WrittenWithoutBlanks(QChar c)
{
    switch (c.script()) {
    case QChar::Script_Han: case QChar::Script_Hiragana: case QChar::Script_Katakana: case QChar::Script_Thai:
    case QChar::Script_Lao: case QChar::Script_Khmer: case QChar::Script_Myanmar:
        return true;
    default:
        return false;
    }
}
