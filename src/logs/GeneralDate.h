#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The locale's general date format: short date, one blank, long time; at
// exactly midnight only the date. Years are written in full and the time zone
// is left out, as a desktop clock shows them (12/4/2026 7:55:10 PM).
QString FormatGeneralDate(const QDateTime &when, const QLocale &locale = QLocale::system());
QString GeneralDateNow();
