#include "engine/EngineErrors.h"

#include "common/Dialogs.h"
#include "logs/LogWriter.h"

namespace EngineErrors {

QString Describe(const TextFile::Failure &failure)
{
    return QStringLiteral("Error Number %1( %2)(%3)").arg(failure.nNumber).arg(failure.sDescription, failure.sComponent);
}

QString Report(const QString &sName, const QString &sGeneratedAt, const TextFile::Failure &failure)
{
    const QString sDescription = Describe(failure);
    ReportLogFailure(WriteErrorLog(LogEntry{sName, sGeneratedAt, sDescription}));
    Dialogs::MsgBox(kApology);
    return sDescription;
}

}  // namespace EngineErrors
