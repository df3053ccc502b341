#pragma once

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

// A file as Notepad's "Unicode" or PowerShell writes it: UTF-16 in either byte order, with or without a byte-order mark.
inline QByteArray Utf16(const QString &sText, QStringConverter::Encoding order, bool withMark)
{
    QStringEncoder encoder(order, withMark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder(sText);
}
