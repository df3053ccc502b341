#include "logs/LogSink.h"

#include "common/modPublic.h"

namespace {
LogSink *registered = nullptr;
}

void RegisterLogSink(LogSink *sink)
{
    registered = sink;
    modPublic::ConsoleLoaded = sink != nullptr;
}

LogSink *RegisteredLogSink()
{
    return registered;
}
