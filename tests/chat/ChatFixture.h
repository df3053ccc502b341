#pragma once

#include "support/ProgramFolder.h"

#include <QColor>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

// A small knowledge base: one entry per block, so every answer is known.
inline void WriteKnowledge(const ProgramFolder &folder)
{
    folder.WriteData(QStringLiteral("keywords.txt"),
                     {QStringLiteral("[greetings.txt]"), QStringLiteral("0001 hello"),
                      QStringLiteral("0002 how are you"), QStringLiteral("[missing.txt]"),
                      QStringLiteral("0001 broken")});
    folder.WriteData(QStringLiteral("greetings.txt"),
                     {QStringLiteral("*0001"), QStringLiteral("# Hello [name], how are you"), QStringLiteral("*0002"),
                      QStringLiteral("# fine. hello again"), QStringLiteral("*")});
    folder.WriteData(QStringLiteral("preset1.txt"), {QStringLiteral("[Preset2.txt]"), QStringLiteral("0022 why")});
    folder.WriteData(QStringLiteral("Preset2.txt"),
                     {QStringLiteral("*0010"), QStringLiteral("# but what?"), QStringLiteral("*0013"),
                      QStringLiteral("# one word, please."), QStringLiteral("*0022"),
                      QStringLiteral("# so i know what to call you."), QStringLiteral("*")});
    folder.WriteData(QStringLiteral("Preset3.txt"),
                     {QStringLiteral("*0001"), QStringLiteral("# Nice to meet you, [name]!"), QStringLiteral("*0002"),
                      QStringLiteral("# Hello, what is your name?"), QStringLiteral("*")});
    folder.WriteData(QStringLiteral("Preset4.txt"), {QStringLiteral("*0001"), QStringLiteral("# tell me more."), QStringLiteral("*")});
}

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
