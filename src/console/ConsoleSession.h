#pragma once

#include "logs/LogWriter.h"

#include <QString>

#include <optional>

// The command console of the client console window, without its widgets: the
// transcript, the prompt that cannot be deleted and the handling of Enter.
class ConsoleSession {
public:
    static inline const QString Prompt = QStringLiteral(">>");
    static inline const QString Greeting = QStringLiteral("Orvia Console Initilized - All Systems have been Enabled");

    // A fresh load: the greeting is the whole transcript.
    void Load();
    const QString &Transcript() const { return m_sTranscript; }

    // A line that has dropped below two characters becomes the bare prompt with
    // the caret after it; whatever was left of it is lost.
    struct PromptFix {
        QString sText;
        int nCaret = 0;
    };
    static std::optional<PromptFix> KeepPrompt(const QString &sLine);

    // Enter on the input line: its first two characters (the prompt, whatever
    // they are) are dropped and the rest is parsed; an empty line, the line
    // itself and the reply are appended to the transcript. Returns what was
    // appended. When the parser gives no reply (its error entry could not be
    // written) nothing is appended, the result is empty and *failure (when
    // given) says why, for the window to tell the user.
    std::optional<QString> Enter(const QString &sLine, LogWriteStatus *failure = nullptr);

private:
    QString m_sTranscript;
};
