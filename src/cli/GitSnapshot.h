#pragma once

#include <QString>
#include <QTemporaryDir>

// A folder kept in git as it stood at a revision, written out into a scratch
// folder (removed at the end) by git archive; the working files are left alone.
class GitSnapshot {
public:
    // False, with Error() saying why, when git cannot give the folder at sRev.
    bool Export(const QString &sRev, const QString &sFolder);
    QString Path() const { return m_dir.path(); }
    QString Error() const { return m_sError; }

private:
    QTemporaryDir m_dir;
    QString m_sError;
};
