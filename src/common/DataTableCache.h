#pragma once

#include "common/DataFolder.h"
#include "common/TextFile.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <mutex>
#include <optional>

// What a plain file looked like just before it was read.
struct FileStamp {
    QString sPath;
    qint64 nSize = -1;  // -1: not a plain file (missing, a folder or a link)
    qint64 nInode = 0, nModifiedNs = 0, nChangedNs = 0;
    // For a file that is not there, its folder's: the file can only appear
    // by a change to the folder.
    bool bMissing = false;
    qint64 nFolderInode = 0, nFolderModifiedNs = 0, nFolderChangedNs = 0;
    // Written (or its times set, as a copy that keeps them does) long enough
    // before it was looked at that any later write must give it other times.
    bool bSettled = false;

    static FileStamp Of(const QString &sPath);
    bool SameFile(const FileStamp &other) const;
};

// Open for one reply (or any one task): while it is open on a thread, each
// table is looked at on disk once, however many times the task asks for it.
// Outside one, every request looks. Scopes nest; the outermost counts.
class DataTableScope {
public:
    DataTableScope();
    ~DataTableScope();
    DataTableScope(const DataTableScope &) = delete;
    DataTableScope &operator=(const DataTableScope &) = delete;
    // The open scope's number on this thread, 0 when none is open.
    static quint64 Current();

private:
    bool m_isOuter = false;
};

// A table in data/ (reflections, substitutions, settings) that every reply
// reads: it is parsed again only when the file has changed since, so that an
// edit still shows at the next reply.
template <typename Table>
class DataTableCache {
public:
    using Parser = Table (*)(QStringView, QStringList *);

    DataTableCache(QString sName, Parser parse) : m_sName(std::move(sName)), m_parse(parse) {}

    // data/<name> parsed, or nothing when it cannot be read.
    std::optional<Table> Get()
    {
        const quint64 nScope = DataTableScope::Current();
        const QString sPath = DataFolder::DataPath(m_sName);
        {
            const std::lock_guard<std::mutex> lock(m_guard);
            if (nScope != 0 && nScope == m_nScope && m_stamp.sPath == sPath)
                return m_table;
        }
        FileStamp stamp = FileStamp::Of(sPath);
        const std::lock_guard<std::mutex> lock(m_guard);
        m_nScope = nScope;
        if ((m_table || m_stamp.bMissing) && m_stamp.bSettled && m_stamp.SameFile(stamp))
            return m_table;
        m_table.reset();
        m_stamp = std::move(stamp);
        const DataFolder::Resolution file = DataFolder::Resolve(sPath);
        if (!file.sPath.isEmpty())
            if (const std::optional<QString> sText = TextFile::ReadText(file.sPath))
                m_table = m_parse(*sText, nullptr);
        // Found under another letter case: its own edits would not show in the folder.
        if (m_table && m_stamp.bMissing)
            m_stamp.bSettled = false;
        return m_table;
    }

private:
    const QString m_sName;
    const Parser m_parse;
    std::mutex m_guard;
    FileStamp m_stamp;
    std::optional<Table> m_table;
    quint64 m_nScope = 0;  // the scope in which the stamp was last compared
};
