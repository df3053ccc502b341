#pragma once

#include "support/ProgramFolder.h"

// A small knowledge base in the folder's data/: one entry per block, so every
// answer is known. "hello" answers "hello [name], how are you", "how are you"
// answers "fine. hello again", "broken" names a response file that is missing;
// the preset files answer the name turn, the watch word and the fallback;
// "call me NAME" takes the name from the sentence.
void WriteKnowledge(const ProgramFolder &folder);

// A program folder holding that knowledge base.
struct KnowledgeFixture {
    KnowledgeFixture() { WriteKnowledge(folder); }
    ProgramFolder folder;
};
