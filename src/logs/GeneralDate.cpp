#include "logs/GeneralDate.h"

#include <QRegularExpression>

namespace {

QString FullYearShortDateFormat(const QLocale &locale)
{
    QString sFormat = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    sFormat.replace(twoDigitYear, QStringLiteral("yyyy"));
    return sFormat;
}

QString LongTimeFormatWithoutZone(const QLocale &locale)
{
    QString sFormat = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    sFormat.replace(zone, QStringLiteral(" "));
    return sFormat.trimmed();
}

}  // namespace

QString FormatGeneralDate(const QDateTime &when, const QLocale &locale)
{
    const QString sDate = locale.toString(when.date(), FullYearShortDateFormat(locale));
    // The text shows whole seconds, so the whole first second of the day is midnight.
    if (QTime(0, 0).secsTo(when.time()) == 0)
        return sDate;
    return sDate + QLatin1Char(' ') + locale.toString(when.time(), LongTimeFormatWithoutZone(locale));
}

QString GeneralDateNow()
{
    return FormatGeneralDate(QDateTime::currentDateTime());
}
