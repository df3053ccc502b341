#pragma once

#include "engine/Conversation.h"
#include "engine/EngineTypes.h"

#include <QString>

// One user sentence in, the bot's answer out, with a trace of why it came. A
// search or selection that failed on the way (logged already, shown by the
// caller from trace.failures) is named in sFailure; the text is then what the
// turn could still find. The conversation's follow-up, last match and draws
// are read and updated.
ReplyResult GetReply(Conversation &conversation, const QString &sSentence);
// The answer to the name question: the name index searched, an unmatched
// answer taken as the name when it can be one, and the welcome or the
// several-word-name answer. conversation.sUserName is the name once accepted.
ReplyResult GetNameReply(Conversation &conversation, const QString &sTyped);
// A name given whole (orvia-chat --name): accepted as it is, then the welcome.
ReplyResult GetWelcomeReply(Conversation &conversation, const QString &sName);
// The watch-word shortcut's answer.
ReplyResult GetWatchWordReply(Conversation &conversation);
// What the watch-word shortcut answers from, [keyword] naming the base's word.
KeywordMatch WatchWordMatch();
// The text of a random entry of a fixed preset block, in the conversation;
// *pFailure (when given) says why there is none.
QString GetPresetResponse(const QString &sFileName, const QString &sCode, Conversation &conversation, EngineFailure *pFailure = nullptr);
