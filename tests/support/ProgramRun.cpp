#include "support/ProgramRun.h"

#include <QProcess>

ProgramRun RunProgram(const QString &sProgram, const QStringList &args, const QByteArray &input, const QString &sWorkingFolder)
{
    QProcess process;
    process.setWorkingDirectory(sWorkingFolder);
    process.start(sProgram, args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}
