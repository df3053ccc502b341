#pragma once

#include "common/FailureNotice.h"
#include "common/KeywordMatch.h"
#include "logs/LogWriter.h"

#include <QString>

#include <optional>

// The commands of the Debugging menu that exercise the engine and the logs by
// hand. A log write that fails is shown to the user once through the view and
// the command ends normally; the status is handed back as well.
namespace DebugCommands {

// The boxes of the window that runs the commands.
class DebugView {
public:
    virtual ~DebugView() = default;
    // A message box with the application's title.
    virtual void Tell(const QString &sText) = 0;
    // An input box; empty when cancelled.
    virtual QString Ask(const QString &sPrompt, const QString &sTitle) = 0;
    virtual void ShowFailure(const FailureNotice &notice) = 0;
};

inline const QString DefaultUserName = QStringLiteral("Vask");

// "Event Log Message" and "Error Log Message": a notice, then a test entry.
LogWriteStatus SimulateEvent(DebugView &view);
LogWriteStatus SimulateError(DebugView &view);

// Asks for a sentence and shows the reply one random entry gives it (an empty
// text when no keyword matches); withTrace adds under it why it came, as the
// chat windows do in Debug Mode. Returns the reply shown; empty when cancelled.
QString RunLookupTest(DebugView &view, bool withTrace = false);

// "&Keyword Lookup": a notice, the lookup test, and a "Test Result" event entry
// describing the reply, written also when the test was cancelled.
LogWriteStatus KeywordLookup(DebugView &view, bool withTrace = false);

// The first steps of "&Mass Keyword Lookup ": the sentence and its match;
// nothing when the sentence is empty or no keyword matches.
std::optional<KeywordMatch> AskMassLookupMatch(DebugView &view);
// The text for the display window: the header line, an empty line and twenty
// numbered replies, lines joined by CR LF. Each reply that fails is shown as it comes.
QString MassLookupText(DebugView &view, const KeywordMatch &match);
inline constexpr int MassLookupCount = 20;

}  // namespace DebugCommands
