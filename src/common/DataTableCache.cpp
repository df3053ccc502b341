#include "common/DataTableCache.h"

#include <QDateTime>
#include <QFile>

#include <sys/stat.h>

namespace {

// FAT keeps times to two seconds; others keep them finer, but a kernel may
// still give two writes a few milliseconds apart the same time.
constexpr qint64 kSettledMs = 2000;

qint64 Ns(const struct timespec &t)
{
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

}  // namespace

// One lstat: QFileInfo's times are local-time dates, and building those costs
// more than the parse this stamp saves.
FileStamp FileStamp::Of(const QString &sPath)
{
    FileStamp stamp;
    stamp.sPath = sPath;
    struct stat info {};
    if (lstat(QFile::encodeName(sPath).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return stamp;
    stamp.nSize = info.st_size;
    stamp.nInode = qint64(info.st_ino);
    stamp.nModifiedNs = Ns(info.st_mtim);
    stamp.nChangedNs = Ns(info.st_ctim);
    const qint64 nNowMs = QDateTime::currentMSecsSinceEpoch();
    stamp.bSettled = nNowMs - stamp.nModifiedNs / 1'000'000 > kSettledMs && nNowMs - stamp.nChangedNs / 1'000'000 > kSettledMs;
    return stamp;
}

bool FileStamp::SameFile(const FileStamp &other) const
{
    return nSize >= 0 && sPath == other.sPath && nSize == other.nSize && nInode == other.nInode
           && nModifiedNs == other.nModifiedNs && nChangedNs == other.nChangedNs;
}
