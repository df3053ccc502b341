#include "chat/KezPicture.h"

#include <QPainter>
#include <QPainterPath>

QImage KezPicture()
{
    QImage image(117, 225, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor outline(40, 60, 80);
    const QColor metal(150, 185, 210);
    const QColor metalDark(110, 145, 175);
    const QColor glow(0, 200, 90);
    p.setPen(QPen(outline, 2));

    // Antenna with a glowing tip.
    p.drawLine(QPointF(58.5, 30), QPointF(58.5, 14));
    p.setBrush(glow);
    p.drawEllipse(QPointF(58.5, 11), 6, 6);

    // Ears, then the head over them.
    p.setBrush(metalDark);
    p.drawRoundedRect(QRectF(16, 46, 10, 22), 3, 3);
    p.drawRoundedRect(QRectF(91, 46, 10, 22), 3, 3);
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(24, 30, 69, 56), 14, 14);

    // Eyes: white with a dark pupil looking at the transcript on the right.
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(44, 52), 9, 9);
    p.drawEllipse(QPointF(73, 52), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(outline);
    p.drawEllipse(QPointF(47, 53), 4, 4);
    p.drawEllipse(QPointF(76, 53), 4, 4);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(48.5, 51.5), 1.3, 1.3);
    p.drawEllipse(QPointF(77.5, 51.5), 1.3, 1.3);

    // Cheeks and a smile.
    p.setBrush(QColor(255, 160, 170));
    p.drawEllipse(QPointF(36, 68), 4.5, 3);
    p.drawEllipse(QPointF(81, 68), 4.5, 3);
    p.setPen(QPen(outline, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(45, 58, 27, 18), 200 * 16, 140 * 16);

    // Neck and body.
    p.setPen(QPen(outline, 2));
    p.setBrush(metalDark);
    p.drawRect(QRectF(50, 86, 17, 9));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(22, 95, 73, 68), 10, 10);

    // Chest panel: a screen with a speech balloon and three lights.
    p.setBrush(QColor(20, 30, 40));
    p.drawRoundedRect(QRectF(34, 104, 49, 28), 4, 4);
    QPainterPath balloon;
    balloon.addRoundedRect(QRectF(41, 109, 35, 15), 6, 6);
    balloon.moveTo(50, 124);
    balloon.lineTo(47, 129);
    balloon.lineTo(56, 124);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawPath(balloon.simplified());
    p.setBrush(QColor(20, 30, 40));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(50.5 + 8 * i, 116.5), 2, 2);
    const QColor lights[] = {QColor(230, 60, 60), QColor(250, 200, 40), glow};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(outline, 1.5));
        p.setBrush(lights[i]);
        p.drawEllipse(QPointF(44 + 14.5 * i, 146), 4.5, 4.5);
    }

    // Arms with round hands.
    p.setPen(QPen(outline, 2));
    for (qreal x : {11.0, 95.0}) {
        p.setBrush(metalDark);
        p.drawRoundedRect(QRectF(x, 100, 11, 44), 5, 5);
        p.setBrush(metal);
        p.drawEllipse(QPointF(x + 5.5, 149), 7, 7);
    }

    // Legs and feet.
    p.setBrush(metalDark);
    p.drawRect(QRectF(36, 163, 14, 38));
    p.drawRect(QRectF(67, 163, 14, 38));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(26, 199, 30, 14), 6, 6);
    p.drawRoundedRect(QRectF(61, 199, 30, 14), 6, 6);
    return image;
}
