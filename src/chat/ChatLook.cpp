#include "chat/ChatLook.h"

#include "common/WindowMetrics.h"

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

void SetColors(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void PlaceTwips(QWidget *widget, int nLeft, int nTop, int nWidth, int nHeight)
{
    widget->setGeometry(TwipsRect(nLeft, nTop, nWidth, nHeight, widget));
}

void FitCaption(QLabel *label)
{
    QFont font = label->font();
    int nRoom = label->width();
    if (const QWidget *parent = label->parentWidget())
        nRoom = qMin(nRoom, parent->width() - label->x());
    nRoom -= 2 * label->margin() + 2;
    while (font.pointSizeF() > 6.0) {
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(label->text()) <= nRoom && metrics.height() <= label->height())
            break;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    label->setFont(font);
}
