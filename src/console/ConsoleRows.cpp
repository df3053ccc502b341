#include "console/ConsoleRows.h"

namespace {
ConsoleRows *registered = nullptr;
}

void RegisterConsoleRows(ConsoleRows *rows)
{
    registered = rows;
}

ConsoleRows *RegisteredConsoleRows()
{
    return registered;
}
