#pragma once

#include <QString>

// Where the log writers send a row besides the file: the client console's
// lists, while the console is loaded.
enum class ConsoleList { EventLog, ErrorLog };

struct LogRow {
    QString sTime;  // the same text as the file line starts with
    QString sName;
    QString sGeneratedAt;
    QString sDescription;
    int nIcon = 0;
};

class LogSink {
public:
    virtual ~LogSink() = default;
    // Adds the row at the end of the list; false when it cannot (an icon
    // number the sink has no icon for).
    virtual bool AddRow(ConsoleList list, const LogRow &row) = 0;
};

// The console registers itself when it loads and passes nullptr when it
// unloads; modPublic::ConsoleLoaded says whether a sink is registered.
void RegisterLogSink(LogSink *sink);
LogSink *RegisteredLogSink();
