#pragma once

#include "engine/EngineTypes.h"

#include <QString>

// One user sentence in, the bot's answer out, with a trace of why it came.
ReplyResult GetReply(const QString &sSentence);
// The text of a random entry of a fixed preset block.
QString GetPresetResponse(const QString &sFileName, const QString &sCode);
// The main search, passing over the keyword that produced the previous reply.
KeywordMatch KeywordSearchExclude(const QString &sSentence, int *pnLine = nullptr);
