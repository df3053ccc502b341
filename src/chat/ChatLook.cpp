#include "chat/ChatLook.h"

#include "common/WindowMetrics.h"

#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>
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
    // The platform style outlines a scroll-bar thumb in a shade of the window
    // colour, black here: the text colour keeps thumbs in sight on black.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget)) {
        for (QScrollBar *bar : {area->verticalScrollBar(), area->horizontalScrollBar()}) {
            QPalette barPalette = bar->palette();
            barPalette.setColor(QPalette::Window, text);
            bar->setPalette(barPalette);
        }
    }
}

void SetSolidLook(QWidget *widget, const char *sClass, const QColor &background, const QColor &text, const QColor &border)
{
    // A style sheet, because the platform style draws frames and buttons in
    // shades of the palette that vanish on black or pale the colour.
    widget->setStyleSheet(QStringLiteral("%1 { background-color: %2; color: %3; border: 1px solid %4; }")
                              .arg(QLatin1String(sClass), background.name(), text.name(), border.name()));
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
