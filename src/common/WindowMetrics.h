#pragma once

#include <QFont>
#include <QRect>

class QWidget;

// Window layouts are written in twips (1/1440 inch): 15 twips a pixel at 96 dpi,
// scaled by the screen's logical dpi.
int TwipsToPixels(int nTwips, const QWidget *widget = nullptr);
QRect TwipsRect(int nLeft, int nTop, int nWidth, int nHeight, const QWidget *widget = nullptr);
QSize TwipsSize(int nWidth, int nHeight, const QWidget *widget = nullptr);

// Fonts the layouts name that Linux lacks, asked for by name with a fallback:
// a condensed bold sans for Impact, the default sans for MS Sans Serif.
QFont ImpactFont(qreal pointSize);
QFont MsSansSerifFont(qreal pointSize, bool bold = false);
