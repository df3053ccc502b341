#include "common/WindowMetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

qreal LogicalDpi(const QWidget *widget)
{
    if (widget)
        return widget->logicalDpiX();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInchX();
    return 96.0;
}

}  // namespace

int TwipsToPixels(int nTwips, const QWidget *widget)
{
    return qRound(nTwips / 15.0 * LogicalDpi(widget) / 96.0);
}

QRect TwipsRect(int nLeft, int nTop, int nWidth, int nHeight, const QWidget *widget)
{
    return QRect(TwipsToPixels(nLeft, widget), TwipsToPixels(nTop, widget), TwipsToPixels(nWidth, widget),
                 TwipsToPixels(nHeight, widget));
}

QSize TwipsSize(int nWidth, int nHeight, const QWidget *widget)
{
    return QSize(TwipsToPixels(nWidth, widget), TwipsToPixels(nHeight, widget));
}

QFont ImpactFont(qreal pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Impact"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("Sans Serif")});
    font.setStretch(QFont::Condensed);
    font.setWeight(QFont::Bold);
    font.setPointSizeF(pointSize);
    return font;
}

QFont MsSansSerifFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
