#pragma once

#include <QString>

// What the log writers need of the client console while it is loaded. The
// console window implements it and registers itself; the writers touch it only
// while modPublic::ConsoleLoaded is true.
enum class ConsoleList { EventLog, ErrorLog };

class ConsoleRows {
public:
    virtual ~ConsoleRows() = default;
    virtual int RowCount(ConsoleList list) const = 0;
    // Adds row n (counting from 1) with its first-column text and icon number
    // (1 to 6); false when the row cannot be added.
    virtual bool AddRow(ConsoleList list, int n, const QString &sText, int nIcon) = 0;
    // Sets column k (2 to 4) of row n.
    virtual void SetColumnText(ConsoleList list, int n, int k, const QString &sText) = 0;
};

void RegisterConsoleRows(ConsoleRows *rows);  // nullptr when the console unloads
ConsoleRows *RegisteredConsoleRows();
