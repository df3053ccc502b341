#pragma once

#include <QString>

struct LogEntry {
    QString sName;
    QString sGeneratedAt;
    QString sDescription;
};
