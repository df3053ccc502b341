#pragma once

#include "engine/EngineTypes.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

// The block of one code in a response file, gathered from every block of that
// code in file order.
struct GatheredBlock {
    // Statements without their "#", questions with their "$"; views into the text.
    QList<QStringView> entries;
    QList<int> entryLines;  // line (from 1) of each entry
    int nStatements = 0;
    int nQuestions = 0;
    QString sAttribute;
    QString sAttributeLabel;  // the eight characters after the last attribute line's "@"
    // The last follow-up setting read, when any was.
    std::optional<QString> followUp;
    // Line number (from 1) of an attribute line too short to hold a value; 0 if none.
    // Gathering stops there.
    int nShortAttributeLine = 0;
};

GatheredBlock GatherBlock(const QList<QStringView> &lines, QStringView sCode, EntryMode mode);

// What one line inside an open block (not a "*" line) did to the block; nLine
// counts from 1. After ShortAttribute the block takes nothing more.
enum class BlockLine { Ignored, Entry, Setting, FollowUp, ShortAttribute };
BlockLine AddBlockLine(GatheredBlock &block, QStringView sLine, int nLine, EntryMode mode);

// The code a "*" line opens: the line without its "*" and trailing blanks ("" for a closing line).
QStringView HeaderCode(QStringView sLine);

// A chosen entry ("#..." or "$...", lower-cased) as the caller gets it: the first
// character tells a question, and from the first "{" on is the control part. `fill`
// runs before that cut, since a filled-in tag may bring a "{" of its own.
ResponseEntry EntryFromLine(QString sEntry, const QString &sAttribute,
                            const std::function<QString(const QString &)> &fill = {});
