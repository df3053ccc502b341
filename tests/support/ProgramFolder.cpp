#include "support/ProgramFolder.h"

#include "common/TextFile.h"
#include "common/modPublic.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

ProgramFolder::ProgramFolder(bool withLogs)
{
    QDir dir(m_dir.path());
    dir.mkdir(QStringLiteral("data"));
    if (withLogs)
        dir.mkdir(QStringLiteral("logs"));
    modPublic::Reset();
    modPublic::ProgramFolder = m_dir.path();
    modPublic::KeywordIndexFile = QStringLiteral("keywords.txt");
}

ProgramFolder::~ProgramFolder()
{
    modPublic::Reset();
}

QString ProgramFolder::DataPath(const QString &sName) const
{
    return m_dir.path() + QStringLiteral("/data/") + sName;
}

QString ProgramFolder::LogPath(const QString &sName) const
{
    return m_dir.path() + QStringLiteral("/logs/") + sName;
}

void ProgramFolder::WriteData(const QString &sName, const QStringList &lines) const
{
    WriteDataBytes(sName, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
}

void ProgramFolder::WriteDataBytes(const QString &sName, const QByteArray &bytes) const
{
    const QString sPath = DataPath(sName);
    QDir().mkpath(QFileInfo(sPath).path());
    QFile file(sPath);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(sPath));
    file.write(bytes);
}

QStringList ProgramFolder::LogLines(const QString &sName) const
{
    QFile file(LogPath(sName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Lines in UTF-8; a line of an older log, in Windows-1252, as such.
    QStringList decoded;
    for (const QByteArray &line : file.readAll().split('\n'))
        decoded << TextFile::DecodeLine(line);
    QString sText = decoded.join(u'\n');
    if (sText.endsWith(QStringLiteral("\r\n")))
        sText.chop(2);
    return sText.isEmpty() ? QStringList() : sText.split(QStringLiteral("\r\n"));
}
