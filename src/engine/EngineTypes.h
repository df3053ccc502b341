#pragma once

#include "common/KeywordMatch.h"
#include "engine/ReplyTrace.h"

#include <QString>

#include <optional>

// Which entries a selection gathers: statements, questions or both.
enum EntryMode { Statements = 1, Questions = 2, StatementsAndQuestions = 3 };

// failure says why a call failed (the error-log description); empty when it
// did not. The failure has been logged already; it has not been shown.
struct ResponseEntry {
    QString sText;
    QString sAttribute;
    QString sControl;
    bool IsQuestion = false;
    int nLine = 0;  // of the chosen entry in its response file
    EngineFailure failure;
    // The user's name, when the block gives one: "@username[next]" takes it
    // from the sentence (when the sentence holds one), "@username NAME" gives NAME.
    QString sNamed;
    // The index a follow-up setting of the block leaves for the next sentence,
    // set whichever entry is chosen, and even when the selection then fails.
    std::optional<QString> followUp;
};

struct ReplyResult {
    QString sText;
    QString sControl;
    bool IsQuestion = false;
    ReplyTrace trace;
    QString sFailure;
    // The name turn's: the user's line as it was answered ("{SILENCE}" for an
    // empty one), and whether it named the user, which ends the name phase.
    QString sSaid;
    bool nameAccepted = false;

    bool Failed() const { return !sFailure.isEmpty(); }
};
