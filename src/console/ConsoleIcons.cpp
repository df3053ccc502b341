#include "console/ConsoleIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <cmath>

namespace {

// Each drawing is made at 16 and 32 pixels so that it stays sharp when scaled.
template <typename Draw>
QIcon DrawIcon(Draw draw)
{
    QIcon icon;
    for (int size : {ConsoleIconList::Size, 2 * ConsoleIconList::Size}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void DrawSparkle(QPainter &p, QPointF centre, qreal r)
{
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = i * M_PI / 4;
        const qreal radius = i % 2 == 0 ? r : r * 0.3;
        const QPointF point(centre.x() + radius * std::sin(angle), centre.y() - radius * std::cos(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(160, 110, 0), 0.4));
    p.setBrush(QColor(255, 220, 40));
    p.drawPath(star);
}

// Stand-ins for a style without its own message icons.
QIcon DrawBalloon(const QColor &colour, QChar letter)
{
    return DrawIcon([&](QPainter &p) {
        p.setPen(QPen(Qt::black, 0.8));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(1, 1, 14, 14));
        QFont font;
        font.setBold(true);
        font.setPixelSize(11);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QString(letter));
    });
}

QIcon StandardOr(QStyle *style, QStyle::StandardPixmap which, const QIcon &fallback)
{
    const QIcon icon = style ? style->standardIcon(which) : QIcon();
    return icon.isNull() ? fallback : icon;
}

}  // namespace

ConsoleIconList::ConsoleIconList(QStyle *style, QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("ConsoleIcons"));
    m_icons = {
        StandardOr(style, QStyle::SP_MessageBoxInformation, DrawBalloon(Qt::blue, QLatin1Char('i'))),
        StandardOr(style, QStyle::SP_MessageBoxWarning, DrawBalloon(Qt::black, QLatin1Char('!'))),
        StandardOr(style, QStyle::SP_MessageBoxQuestion, DrawBalloon(Qt::blue, QLatin1Char('?'))),
        StandardOr(style, QStyle::SP_MessageBoxCritical, DrawBalloon(Qt::red, QChar(0x00D7))),
        DrawStopSign(),
        DrawApplicationWindow(),
    };
}

QIcon ConsoleIconList::Icon(int n) const
{
    return IsIconNumber(n) ? m_icons.at(n - 1) : QIcon();
}

QIcon ConsoleIconList::DrawStopSign()
{
    return DrawIcon([](QPainter &p) {
        QPolygonF octagon;
        for (int i = 0; i < 8; ++i) {
            const qreal angle = M_PI / 8 + i * M_PI / 4;
            octagon << QPointF(8 + 7.6 * std::cos(angle), 8 + 7.6 * std::sin(angle));
        }
        p.setPen(QPen(Qt::white, 0.9));
        p.setBrush(QColor(200, 0, 0));
        p.drawPolygon(octagon);
        QFont font(QStringLiteral("DejaVu Sans Condensed"));
        font.setBold(true);
        font.setPixelSize(5);
        font.setStretch(QFont::Condensed);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("STOP"));
    });
}

QIcon ConsoleIconList::DrawApplicationWindow()
{
    return DrawIcon([](QPainter &p) {
        const QRectF frame(0.5, 3.5, 12.5, 11);
        p.setPen(QPen(QColor(40, 40, 40), 0.8));
        p.setBrush(Qt::white);
        p.drawRect(frame);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 160));
        p.drawRect(QRectF(0.9, 3.9, 11.7, 2.6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(10.2, 4.5, 1.6, 1.4));
        DrawSparkle(p, QPointF(12.5, 3.0), 3.0);
        DrawSparkle(p, QPointF(14.3, 9.0), 1.7);
    });
}
