#pragma once

#include <QByteArray>
#include <QIcon>

class QPainter;

// The icon every window of the program shares: a green speech balloon. The
// installed theme icons (PNG sizes and the scalable SVG) are made from the same
// drawing, so the menu entry and the windows show one picture.
QIcon AppIcon();

// Paints the picture into the square (0, 0, size, size).
void PaintAppIcon(QPainter &painter, int size);
// The picture as an SVG document of the given size.
QByteArray AppIconSvg(int size);
