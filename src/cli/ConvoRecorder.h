#pragma once

#include "cli/SentencesFile.h"

#include <QString>

#include <optional>

// A test file that freezes today's answers: every sentence, in its
// conversation, with the code and index line that answered it.
class ConvoRecorder {
public:
    // sSource names the sentences file in the header comment.
    static QString Record(const SentencesFile &sentences, const std::optional<QString> &name, const QString &sSource);
};
