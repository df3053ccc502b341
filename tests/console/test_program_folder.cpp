#include "common/modPublic.h"
#include "console/LogWriter.h"
#include "console/ProgramFolderStart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

void Write(const QString &sPath, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(sPath).path());
    QFile file(sPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QString &sPath)
{
    QFile file(sPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

}  // namespace

// An install tree (prefix/bin, prefix/share/orvia/data) and XDG_DATA_HOME in a
// scratch folder.
class TestProgramFolder : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QString Bin() const { return m_root.path() + "/prefix/bin"; }
    QString Shipped() const { return m_root.path() + "/prefix/share/orvia/data"; }
    QString User() const { return m_root.path() + "/xdg/orvia"; }

private slots:
    void init();
    void setUp_data();
    void setUp();
    void eventLogOnFirstStartOnly();
};

void TestProgramFolder::init()
{
    QDir(m_root.path()).removeRecursively();
    QDir().mkpath(Bin());
    Write(Shipped() + "/keywords.txt", "shipped");
    Write(Shipped() + "/sub/deep.txt", "deep");
    QFile::setPermissions(Shipped() + "/keywords.txt", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_root.path() + "/xdg"));
    modPublic::Reset();
}

void TestProgramFolder::setUp_data()
{
    QTest::addColumn<QString>("state");  // what is on disk before the start
    QTest::addColumn<bool>("portable");
    QTest::addColumn<bool>("created");
    QTest::addColumn<bool>("problem");
    QTest::addColumn<QByteArray>("keywords");  // data/keywords.txt of the chosen folder

    QTest::newRow("data beside the program") << "beside" << true << false << false << QByteArray("portable");
    QTest::newRow("first start seeds") << "" << false << true << false << QByteArray("shipped");
    QTest::newRow("user's copy never overwritten") << "seeded" << false << false << false << QByteArray("mine");
    QTest::newRow("cut-short copy redone") << "partial" << false << true << false << QByteArray("shipped");
    QTest::newRow("shipped base missing") << "noship" << false << false << true << QByteArray("<none>");
    QTest::newRow("folder cannot be made") << "blocked" << false << false << true << QByteArray("<none>");
}

void TestProgramFolder::setUp()
{
    QFETCH(QString, state);
    QFETCH(bool, portable);
    QFETCH(bool, created);
    QFETCH(bool, problem);
    QFETCH(QByteArray, keywords);
    if (state == "beside")
        Write(Bin() + "/data/keywords.txt", "portable");
    if (state == "seeded")
        Write(User() + "/data/keywords.txt", "mine");
    if (state == "partial")
        Write(User() + "/data.partial/keywords.txt", "half");
    if (state == "noship")
        QDir(Shipped()).removeRecursively();
    if (state == "blocked")
        Write(m_root.path() + "/xdg", "a file where the folder should be");

    const ProgramFolderSetup setup = SetUpProgramFolder(Bin() + "/");
    QCOMPARE(setup.bPortable, portable);
    QCOMPARE(setup.bCreated, created);
    QCOMPARE(!setup.ok(), problem);
    QCOMPARE(setup.sFolder, portable ? Bin() : User());
    if (problem)
        QVERIFY2(setup.sProblem.contains(User()), qPrintable(setup.sProblem));
    QCOMPARE(Read(setup.sFolder + "/data/keywords.txt"), keywords);
    QCOMPARE(QFileInfo(User() + "/logs").isDir(), !portable && !problem);
    QCOMPARE(QFileInfo::exists(User() + "/data.partial"), false);
    if (created) {
        QCOMPARE(Read(User() + "/data/sub/deep.txt"), QByteArray("deep"));
        QVERIFY(QFileInfo(User() + "/data/keywords.txt").isWritable());
        QVERIFY(QDir(User() + "/logs").isEmpty());
    }
}

void TestProgramFolder::eventLogOnFirstStartOnly()
{
    for (int start = 1; start <= 2; ++start) {
        const ProgramFolderSetup setup = StartInProgramFolder(Bin());
        QVERIFY2(setup.ok(), qPrintable(setup.sProblem));
        QCOMPARE(modPublic::ProgramFolder, User());
        const QList<QByteArray> lines = Read(User() + "/logs/" + EventLogFileName).split('\n');
        QCOMPARE(lines.size(), 2);  // one line and its CR LF
        QVERIFY(lines[0].contains(User().toUtf8()));
    }
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "test_program_folder.moc"
