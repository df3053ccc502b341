#pragma once

#include "engine/Conversation.h"
#include "engine/EngineTypes.h"

// The selection: one entry of a response block, drawn and filled in. Every
// call reads its file afresh; nothing is cached between calls.

// Picks one entry of match.sCode from data/match.sFile at random, passing over
// the one the block gave last in the conversation, and fills its tags. A name
// or follow-up the block gives comes back in the entry for the caller to take.
// A failure is logged, and yields an empty entry whose failure says why.
ResponseEntry GetRandomEntryFromFile(const KeywordMatch &match, EntryMode mode, Conversation &conversation);
// The selection's answer taken into the conversation: the follow-up it leaves
// and the name it gives. Returns the entry.
ResponseEntry TakeAnswer(Conversation &conversation, ResponseEntry entry);
