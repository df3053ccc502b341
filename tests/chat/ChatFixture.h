#pragma once

#include "support/Knowledge.h"
#include "support/ProgramFolder.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

inline QStringList Lines(const QTextEdit *area)
{
    return area->toPlainText().split(QLatin1Char('\n'));
}

// The colour given to a transcript line, invalid when it has none of its own.
inline QColor LineColour(const QTextEdit *area, int nLine)
{
    const QTextBlock block = area->document()->findBlockByNumber(nLine);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (format.hasProperty(QTextFormat::ForegroundBrush))
            return format.foreground().color();
    }
    return QColor();
}
