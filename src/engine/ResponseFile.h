#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// The block of one code in a response file, gathered from every block of that
// code in file order.
struct GatheredBlock {
    // Statements without their "#", questions with their "$"; views into the text.
    QList<QStringView> entries;
    int nStatements = 0;
    int nQuestions = 0;
    QString sAttribute;
    // The last follow-up setting read, when any was.
    std::optional<QString> followUp;
    // Line number (from 1) of an attribute line too short to hold a value; 0 if none.
    // Gathering stops there.
    int nShortAttributeLine = 0;
};

GatheredBlock GatherBlock(const QList<QStringView> &lines, QStringView sCode, int mode);
