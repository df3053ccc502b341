#include "common/DataFolder.h"

#include "common/TextFile.h"
#include "common/modPublic.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace DataFolder {

QString DataDir()
{
    return modPublic::DataFolder.isEmpty() ? modPublic::ProgramFolder + QStringLiteral("/data") : modPublic::DataFolder;
}

QString LogsDir()
{
    return modPublic::ProgramFolder + QStringLiteral("/logs");
}

QString DataPath(const QString &sName)
{
    return DataDir() + QLatin1Char('/') + sName;
}

QString LogPath(const QString &sName)
{
    return LogsDir() + QLatin1Char('/') + sName;
}

namespace {

bool IsInside(const QString &sPath, const QString &sFolder)
{
    return sPath == sFolder || sPath.startsWith(sFolder.endsWith(QLatin1Char('/')) ? sFolder : sFolder + QLatin1Char('/'));
}

// The absolute path with links, "." and ".." resolved as far as it exists; the
// missing rest is appended as written.
QString Canonical(const QString &sPath)
{
    QString sExisting = QDir::cleanPath(QFileInfo(sPath).absoluteFilePath());
    QString sRest;
    while (!QFileInfo::exists(sExisting)) {
        const qsizetype slash = sExisting.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            return sExisting + sRest;
        sRest.prepend(sExisting.sliced(slash));
        sExisting.truncate(slash);
    }
    return QFileInfo(sExisting).canonicalFilePath() + sRest;
}

// Walks the path one component at a time, taking a case-insensitive match for
// any component that does not exist as written.
QString MatchLetterCase(const QString &sCleanPath)
{
    if (QFileInfo::exists(sCleanPath))
        return sCleanPath;
    const bool absolute = sCleanPath.startsWith(QLatin1Char('/'));
    const QStringList parts = sCleanPath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString sSoFar = absolute ? QStringLiteral("/") : QString();
    for (const QString &sPart : parts) {
        const QString sExact = sSoFar.isEmpty() || sSoFar.endsWith(QLatin1Char('/'))
                                   ? sSoFar + sPart
                                   : sSoFar + QLatin1Char('/') + sPart;
        if (QFileInfo::exists(sExact)) {
            sSoFar = sExact;
            continue;
        }
        const QDir parent(sSoFar.isEmpty() ? QStringLiteral(".") : sSoFar);
        const QStringList entries = parent.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QString sFound;
        for (const QString &sEntry : entries) {
            if (sEntry.compare(sPart, Qt::CaseInsensitive) == 0) {
                sFound = sEntry;
                break;
            }
        }
        if (sFound.isEmpty())
            return sCleanPath;  // nothing better: let the open report it
        sSoFar = parent.filePath(sFound);
    }
    return sSoFar;
}

// A plain name in data/ that is a file and not a link: it lies inside data/
// whatever data/ itself is, so the resolution below would only confirm it.
bool IsPlainDataFile(const QString &sSlashed)
{
    const QString sPrefix = DataDir() + QLatin1Char('/');
    if (!sSlashed.startsWith(sPrefix))
        return false;
    const QStringView sName = QStringView(sSlashed).sliced(sPrefix.size());
    if (sName.isEmpty() || sName.contains(u'/') || sName == u"." || sName == u"..")
        return false;
    // One lstat, where QFileInfo would ask twice.
    struct stat info {};
    return ::lstat(QFile::encodeName(sSlashed).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

Resolution Resolve(const QString &sPath)
{
    // The system would take the name only up to the NUL, and open another file.
    if (sPath.contains(QChar(0))) {
        const QString sData = DataDir() + QLatin1Char('/');
        const QString sName = sPath.startsWith(sData) ? sPath.sliced(sData.size()) : sPath;
        return {QString(), QStringLiteral("the name %1 holds a NUL character, which no file name can hold").arg(TextFile::WithVisibleNul(sName))};
    }
    QString sSlashed = sPath;
    sSlashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Every reply resolves a few files: the common case skips the walk and the link checks.
    if (IsPlainDataFile(sSlashed))
        return {QDir::cleanPath(QFileInfo(sSlashed).absoluteFilePath()), QString()};
    const QString sFound = MatchLetterCase(QDir::cleanPath(QFileInfo(sSlashed).absoluteFilePath()));
    // Only a name joined to the data folder is held inside it; the comparison is
    // of resolved paths, so that no way of writing the program folder lets it out.
    if (sSlashed.startsWith(DataDir() + QLatin1Char('/')) && !IsInside(Canonical(sFound), Canonical(DataDir())))
        return {QString(), QStringLiteral("the name %1 leads outside the data folder").arg(sPath)};
    return {sFound, QString()};
}

}  // namespace DataFolder
