#pragma once

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
