#pragma once

#include "engine/EngineTypes.h"

#include <QString>

// One user sentence in, the bot's answer out, with a trace of why it came. A
// search or selection that failed on the way (logged already, shown by the
// caller from trace.failures) is named in sFailure; the text is then what the
// turn could still find.
ReplyResult GetReply(const QString &sSentence);
// The text of a random entry of a fixed preset block; *pFailure (when given)
// says why there is none.
QString GetPresetResponse(const QString &sFileName, const QString &sCode, EngineFailure *pFailure = nullptr);
// The main search, passing over the keyword that produced the previous reply.
KeywordMatch KeywordSearchExclude(const QString &sSentence, int *pnLine = nullptr, EngineFailure *pFailure = nullptr);
