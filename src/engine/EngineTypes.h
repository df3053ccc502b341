#pragma once

#include "common/KeywordMatch.h"
#include "engine/ReplyTrace.h"

#include <QString>

// Which entries a selection gathers: statements, questions or both.
enum EntryMode { Statements = 1, Questions = 2, StatementsAndQuestions = 3 };

struct ResponseEntry {
    QString sText;
    QString sAttribute;
    QString sControl;
    bool IsQuestion = false;
    int nLine = 0;  // of the chosen entry in its response file
};

struct ReplyResult {
    QString sText;
    QString sControl;
    bool IsQuestion = false;
    ReplyTrace trace;
};
