#include "chat/RichText.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

QColor ToQColor(LineColor color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

void AddColoredText(const QString &sText, LineColor sColor, QTextEdit *sTarget)
{
    QTextCursor cursor(sTarget->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(ToQColor(sColor));
    cursor.insertBlock(QTextBlockFormat(), format);
    cursor.insertText(sText, format);
    sTarget->moveCursor(QTextCursor::End);
}

void AddtoResponseArea(const QString &sText, QTextEdit *sTarget)
{
    // Through the document: the edit's own setPlainText keeps the caret's colour.
    sTarget->document()->setPlainText(sTarget->toPlainText() + QLatin1Char('\n') + sText);
    sTarget->setCurrentCharFormat(QTextCharFormat());
    sTarget->moveCursor(QTextCursor::End);
}

qsizetype TranscriptLength(const QTextEdit *sTarget)
{
    const QTextDocument *document = sTarget->document();
    return sTarget->toPlainText().size() + (document->blockCount() - 1);
}
