// Writes event lines into the logs of a program folder as fast as it can, so
// that a test can run two of these at once against the same log.
// Usage: log_load_writer <program folder> <tag> <count>
#include "common/modPublic.h"
#include "logs/LogWriter.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    modPublic::ProgramFolder = args[1];
    const int nCount = args[3].toInt();
    for (int i = 0; i < nCount; ++i) {
        // Now and then a line longer than any write buffer.
        const QString sDescription = QString::number(i) + QString(i % 100 == 0 ? 20000 : 10, QLatin1Char('x'));
        if (!WriteEventLog(LogEntry{args[2], QStringLiteral("load"), sDescription}, 1))
            return 1;
    }
    return 0;
}
