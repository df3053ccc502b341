#pragma once

#include "common/BotFolder.h"

#include <QTemporaryDir>

// A knowledge base answered from with nothing written to its logs: the
// engine's log entries go to a scratch folder removed at the end.
class QuietBase {
public:
    QuietBase();
    // Why the scratch folder cannot be made; empty when it can.
    QString Problem() const;
    // Points every reader at the base, and the log writers at the scratch folder.
    void Use(const BotFolder &bot);

private:
    QTemporaryDir m_scratch;
};
