#pragma once

#include "common/KeywordMatch.h"

#include <QList>
#include <QString>

// Every reply the block of a match could give, each entry filled in for the
// match as the selection fills the one it draws, so that a check of the text
// holds or fails whatever the draw.
struct PossibleReplies {
    struct Entry {
        int nLine = 0;  // in the response file
        QString sText;
        bool failed = false;  // this entry cannot be given: sText says why
    };
    QList<Entry> entries;
    QString sProblem;  // why the block gives nothing at all; empty when it gives entries

    static PossibleReplies Of(const KeywordMatch &match, const QString &sUserName);
};
