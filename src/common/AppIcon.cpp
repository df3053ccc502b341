#include "common/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap DrawBalloon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    QPainterPath balloon;
    balloon.addRoundedRect(QRectF(2 * s, 3 * s, 28 * s, 20 * s), 7 * s, 7 * s);
    QPainterPath tail;
    tail.moveTo(8 * s, 21 * s);
    tail.lineTo(6 * s, 30 * s);
    tail.lineTo(15 * s, 22 * s);
    tail.closeSubpath();
    balloon = balloon.united(tail);
    p.setPen(QPen(QColor(0, 96, 0), 1.5 * s));
    p.setBrush(QColor(0, 200, 0));
    p.drawPath(balloon);
    // Three dots: the bot is talking.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF((9 + 7 * i) * s, 13 * s), 2.3 * s, 2.3 * s);
    return pixmap;
}

}  // namespace

QIcon AppIcon()
{
    static const QIcon icon = [] {
        QIcon built;
        for (int size : {16, 32, 48, 64})
            built.addPixmap(DrawBalloon(size));
        return built;
    }();
    return icon;
}
