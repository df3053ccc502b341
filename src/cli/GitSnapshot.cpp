#include "cli/GitSnapshot.h"

#include <QProcess>
#include <QStringList>

namespace {

// git's own words for what went wrong, on one line.
QString GitError(QProcess &git)
{
    const QString sErr = QString::fromLocal8Bit(git.readAllStandardError()).trimmed();
    if (git.error() == QProcess::FailedToStart)
        return QStringLiteral("git cannot be started: %1").arg(git.errorString());
    return sErr.isEmpty() ? QStringLiteral("git failed") : sErr.section(QLatin1Char('\n'), 0, 0);
}

}  // namespace

bool GitSnapshot::Export(const QString &sRev, const QString &sFolder)
{
    if (!m_dir.isValid()) {
        m_sError = QStringLiteral("no scratch folder: %1").arg(m_dir.errorString());
        return false;
    }
    QProcess prefix;
    prefix.start(QStringLiteral("git"), {QStringLiteral("-C"), sFolder, QStringLiteral("rev-parse"), QStringLiteral("--show-toplevel"),
                                         QStringLiteral("--show-prefix")});
    if (!prefix.waitForFinished(60000) || prefix.exitCode() != 0) {
        m_sError = GitError(prefix);
        return false;
    }
    // Archived from the top: in a subfolder, git archive would cut the tree to that subfolder again.
    const QStringList lines = QString::fromLocal8Bit(prefix.readAllStandardOutput()).split(QLatin1Char('\n'));
    const QString sTop = lines.value(0), sPrefix = lines.value(1);
    QProcess archive, tar;
    archive.setStandardOutputProcess(&tar);
    tar.setWorkingDirectory(m_dir.path());
    archive.start(QStringLiteral("git"), {QStringLiteral("-C"), sTop, QStringLiteral("archive"), QStringLiteral("--format=tar"), sRev + QLatin1Char(':') + sPrefix});
    tar.start(QStringLiteral("tar"), {QStringLiteral("-xf"), QStringLiteral("-")});
    const bool archived = archive.waitForFinished(120000) && archive.exitStatus() == QProcess::NormalExit && archive.exitCode() == 0;
    const bool extracted = tar.waitForFinished(120000) && tar.exitStatus() == QProcess::NormalExit && tar.exitCode() == 0;
    if (!archived) {
        m_sError = GitError(archive);
        return false;
    }
    if (!extracted) {
        m_sError = QStringLiteral("tar cannot unpack git's archive: ") + GitError(tar);
        return false;
    }
    return true;
}
