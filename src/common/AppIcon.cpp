#include "common/AppIcon.h"

#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

struct Shape {
    QPainterPath path;  // on a 32 by 32 grid
    QColor fill;
    QColor pen;         // invalid: no outline
    qreal penWidth = 0;
};

QList<Shape> Picture()
{
    // Drawn as one outline, tail included, so that its corners stay curves in the SVG.
    QPainterPath balloon(QPointF(9, 3));
    balloon.lineTo(23, 3);
    balloon.arcTo(QRectF(16, 3, 14, 14), 90, -90);
    balloon.lineTo(30, 16);
    balloon.arcTo(QRectF(16, 9, 14, 14), 0, -90);
    balloon.lineTo(14, 23);
    balloon.lineTo(6, 30);
    balloon.lineTo(9, 23);
    balloon.arcTo(QRectF(2, 9, 14, 14), 270, -90);
    balloon.lineTo(2, 10);
    balloon.arcTo(QRectF(2, 3, 14, 14), 180, -90);
    balloon.closeSubpath();
    QList<Shape> shapes{{balloon, QColor(0, 200, 0), QColor(0, 96, 0), 1.5}};
    // Three dots: the bot is talking.
    for (int i = 0; i < 3; ++i) {
        QPainterPath dot;
        dot.addEllipse(QPointF(9 + 7 * i, 13), 2.3, 2.3);
        shapes.append({dot, Qt::white, QColor(), 0});
    }
    return shapes;
}

QByteArray SvgPathData(const QPainterPath &path)
{
    QByteArray d;
    const auto point = [](const QPainterPath::Element &e) {
        return QByteArray::number(e.x, 'g', 6) + ' ' + QByteArray::number(e.y, 'g', 6);
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo())
            d += 'M' + point(e);
        else if (e.isLineTo())
            d += 'L' + point(e);
        else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            d += 'C' + point(e) + ' ' + point(path.elementAt(i + 1)) + ' ' + point(path.elementAt(i + 2));
            i += 2;
        }
    }
    return d + 'Z';
}

QPixmap DrawBalloon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    PaintAppIcon(p, size);
    return pixmap;
}

}  // namespace

void PaintAppIcon(QPainter &painter, int size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    for (const Shape &shape : Picture()) {
        painter.setPen(shape.pen.isValid() ? QPen(shape.pen, shape.penWidth) : QPen(Qt::NoPen));
        painter.setBrush(shape.fill);
        painter.drawPath(shape.path);
    }
    painter.restore();
}

QByteArray AppIconSvg(int size)
{
    const QByteArray sSize = QByteArray::number(size);
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + sSize + "\" height=\"" + sSize
                     + "\" viewBox=\"0 0 32 32\">\n";
    for (const Shape &shape : Picture()) {
        svg += "  <path fill=\"" + shape.fill.name().toLatin1() + '"';
        if (shape.pen.isValid())
            svg += " stroke=\"" + shape.pen.name().toLatin1() + "\" stroke-width=\""
                   + QByteArray::number(shape.penWidth) + "\" stroke-linejoin=\"bevel\"";  // as QPen joins
        svg += " d=\"" + SvgPathData(shape.path) + "\"/>\n";
    }
    return svg + "</svg>\n";
}

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
