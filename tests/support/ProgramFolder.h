#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throw-away program folder with data/ and logs/ (logs/ can be left out),
// installed as modPublic::ProgramFolder with the rest of the process-wide
// state reset and the keyword index name set as start-up sets it.
class ProgramFolder {
public:
    explicit ProgramFolder(bool withLogs = true);
    ~ProgramFolder();

    QString Path() const { return m_dir.path(); }
    QString DataPath(const QString &sName) const;
    QString LogPath(const QString &sName) const;

    // Writes data/<name>: the lines joined with CR LF (and one at the end), UTF-8.
    void WriteData(const QString &sName, const QStringList &lines) const;
    void WriteDataBytes(const QString &sName, const QByteArray &bytes) const;

    // The lines of logs/<name> decoded from Windows-1252; empty when absent.
    QStringList LogLines(const QString &sName) const;

private:
    QTemporaryDir m_dir;
};
