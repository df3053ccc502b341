#include "common/DataTableCache.h"

#include <QDateTime>
#include <QFile>

#include <sys/stat.h>

#include <atomic>
#include <cerrno>

namespace {

// FAT keeps times to two seconds; others keep them finer, but a kernel may
// still give two writes a few milliseconds apart the same time.
constexpr qint64 kSettledMs = 2000;

qint64 Ns(const struct timespec &t)
{
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

bool Settled(qint64 nModifiedNs, qint64 nChangedNs)
{
    const qint64 nNowMs = QDateTime::currentMSecsSinceEpoch();
    return nNowMs - nModifiedNs / 1'000'000 > kSettledMs && nNowMs - nChangedNs / 1'000'000 > kSettledMs;
}

void StampFolder(const QByteArray &path, FileStamp &stamp)
{
    const qsizetype nSlash = path.lastIndexOf('/');
    struct stat info {};
    if (nSlash <= 0 || stat(path.first(nSlash).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return;
    stamp.bMissing = true;
    stamp.nFolderInode = qint64(info.st_ino);
    stamp.nFolderModifiedNs = Ns(info.st_mtim);
    stamp.nFolderChangedNs = Ns(info.st_ctim);
    stamp.bSettled = Settled(stamp.nFolderModifiedNs, stamp.nFolderChangedNs);
}

}  // namespace

namespace {

std::atomic<quint64> nextScope{1};
thread_local quint64 openScope = 0;

}  // namespace

DataTableScope::DataTableScope()
{
    if (openScope != 0)
        return;
    openScope = nextScope.fetch_add(1);
    m_isOuter = true;
}

DataTableScope::~DataTableScope()
{
    if (m_isOuter)
        openScope = 0;
}

quint64 DataTableScope::Current()
{
    return openScope;
}

// One lstat: QFileInfo's times are local-time dates, and building those costs
// more than the parse this stamp saves.
FileStamp FileStamp::Of(const QString &sPath)
{
    FileStamp stamp;
    stamp.sPath = sPath;
    struct stat info {};
    const QByteArray path = QFile::encodeName(sPath);
    if (lstat(path.constData(), &info) != 0) {
        if (errno == ENOENT)
            StampFolder(path, stamp);
        return stamp;
    }
    if (!S_ISREG(info.st_mode))
        return stamp;
    stamp.nSize = info.st_size;
    stamp.nInode = qint64(info.st_ino);
    stamp.nModifiedNs = Ns(info.st_mtim);
    stamp.nChangedNs = Ns(info.st_ctim);
    stamp.bSettled = Settled(stamp.nModifiedNs, stamp.nChangedNs);
    return stamp;
}

bool FileStamp::SameFile(const FileStamp &other) const
{
    if (bMissing || other.bMissing)
        return bMissing && other.bMissing && sPath == other.sPath && nFolderInode == other.nFolderInode
               && nFolderModifiedNs == other.nFolderModifiedNs && nFolderChangedNs == other.nFolderChangedNs;
    return nSize >= 0 && sPath == other.sPath && nSize == other.nSize && nInode == other.nInode
           && nModifiedNs == other.nModifiedNs && nChangedNs == other.nChangedNs;
}
