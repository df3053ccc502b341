#include "engine/EngineErrors.h"

#include "logs/LogWriter.h"

namespace EngineErrors {

QString Describe(const TextFile::Failure &failure)
{
    return QStringLiteral("Error Number %1( %2)(%3)").arg(failure.nNumber).arg(failure.sDescription, failure.sComponent);
}

EngineFailure Report(const QString &sName, const QString &sGeneratedAt, const TextFile::Failure &failure)
{
    const QString sDescription = Describe(failure);
    const LogWriteStatus logged = WriteErrorLog(LogEntry{sName, sGeneratedAt, sDescription});
    return {sDescription, logged ? QString() : logged.Message()};
}

QList<FailureNotice> Notices(const EngineFailure &failure)
{
    QList<FailureNotice> notices;
    if (!failure.Failed())
        return notices;
    if (!failure.sLogProblem.isEmpty())
        notices.append({failure.sLogProblem, QString(), FailureNotice::Kind::Warning});
    notices.append({kApology, QString(), FailureNotice::Kind::Plain});
    return notices;
}

QList<FailureNotice> Notices(const QList<ReplyTrace::Failure> &failures)
{
    QList<FailureNotice> notices;
    for (const ReplyTrace::Failure &f : failures)
        notices += Notices(EngineFailure{f.sReason, f.sLogProblem});
    return notices;
}

}  // namespace EngineErrors
