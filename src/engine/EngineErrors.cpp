#include "engine/EngineErrors.h"

#include "common/Dialogs.h"
#include "console/LogWriter.h"

namespace EngineErrors {

QString Describe(const TextFile::Failure &failure)
{
    return QStringLiteral("Error Number %1( %2)(%3)").arg(failure.nNumber).arg(failure.sDescription, failure.sComponent);
}

void Report(const QString &sName, const QString &sGeneratedAt, const TextFile::Failure &failure)
{
    ReportLogFailure(WriteErrorLog(LogEntry{sName, sGeneratedAt, Describe(failure)}));
    Dialogs::MsgBox(QStringLiteral("There has been an internal Error, Please Contact System Administrator"));
}

}  // namespace EngineErrors
