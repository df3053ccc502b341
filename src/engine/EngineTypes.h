#pragma once

#include "common/KeywordMatch.h"

#include <QString>

// Which entries a selection gathers: statements, questions or both.
enum EntryMode { Statements = 1, Questions = 2, StatementsAndQuestions = 3 };

struct ResponseEntry {
    QString sText;
    QString sAttribute;
    QString sControl;
    bool IsQuestion = false;
};

struct ReplyResult {
    QString sText;
    QString sControl;
    bool IsQuestion = false;
};
