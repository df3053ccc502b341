#pragma once

#include <QColor>

class QLabel;
class QWidget;

// Background and text colours of a control (or a whole window).
void SetColors(QWidget *widget, const QColor &background, const QColor &text);
// Solid colours and a one-pixel border, whatever the platform style draws.
void SetSolidLook(QWidget *widget, const char *sClass, const QColor &background, const QColor &text, const QColor &border);
// Places a control at a position in twips within its parent.
void PlaceTwips(QWidget *widget, int nLeft, int nTop, int nWidth, int nHeight);
// The captions were laid out for fonts this platform lacks; shrinks the
// label's font until its caption fits, so that the fallback is not clipped.
void FitCaption(QLabel *label);
