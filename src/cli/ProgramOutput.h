#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// Text to a standard stream as UTF-8 bytes, whatever the locale.
inline void Print(FILE *stream, const QString &sText)
{
    const QByteArray bytes = sText.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// Why the program cannot run, on standard error; returns its exit status, 2.
inline int CannotRunAs(const char *sProgram, const QString &sReason)
{
    Print(stderr, QStringLiteral("%1: %2\n").arg(QLatin1String(sProgram), sReason));
    return 2;
}
