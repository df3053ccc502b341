#include "common/modPublic.h"
#include "logs/LogWriter.h"
#include "startup/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// An install tree (prefix/bin, prefix/share/orvia/data) and XDG_DATA_HOME in a scratch folder.
class TestProgramFolder : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QString Path(const char *sName) const { return m_root.path() + '/' + sName; }
    static void Write(const QString &sPath, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(sPath).path());
        QFile file(sPath);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    static QByteArray Read(const QString &sPath)
    {
        QFile file(sPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

private slots:
    void start_data()
    {
        QTest::addColumn<QString>("before");  // the file written before the start
        QTest::addColumn<bool>("portable");
        QTest::addColumn<bool>("created");
        QTest::addColumn<QByteArray>("keywords");  // data/keywords.txt of the chosen folder; <none>: a problem

        QTest::newRow("data beside the program") << "prefix/bin/data/keywords.txt" << true << false << QByteArray("x");
        QTest::newRow("first start seeds") << "" << false << true << QByteArray("shipped");
        QTest::newRow("user's copy never overwritten") << "xdg/orvia/data/keywords.txt" << false << false << QByteArray("x");
        QTest::newRow("cut-short copy redone") << "xdg/orvia/data.partial/keywords.txt" << false << true << QByteArray("shipped");
        QTest::newRow("folder cannot be made") << "xdg" << false << false << QByteArray("<none>");
        QTest::newRow("shipped base missing") << "-" << false << false << QByteArray("<none>");
    }

    void start()
    {
        QFETCH(QString, before);
        QFETCH(bool, portable);
        QFETCH(bool, created);
        QFETCH(QByteArray, keywords);
        QDir(m_root.path()).removeRecursively();
        QDir().mkpath(Path("prefix/bin"));
        const QString sShipped = Path("prefix/share/orvia/data");
        const QString sUser = Path("xdg/orvia");
        Write(sShipped + "/keywords.txt", "shipped");
        Write(sShipped + "/sub/deep.txt", "deep");
        QFile::setPermissions(sShipped + "/keywords.txt", QFile::ReadOwner | QFile::ReadOther);
        if (before == "-")
            QDir(sShipped).removeRecursively();
        else if (!before.isEmpty())
            Write(m_root.path() + '/' + before, "x");
        qputenv("XDG_DATA_HOME", QFile::encodeName(Path("xdg")));
        modPublic::Reset();

        // A second start finds what the first one left and changes nothing.
        for (int start = 1; start <= 2; ++start) {
            const ProgramFolderSetup setup = StartInProgramFolder(Path("prefix/bin") + '/');
            QCOMPARE(setup.bPortable, portable);
            QCOMPARE(setup.bCreated, created && start == 1);
            QCOMPARE(modPublic::ProgramFolder, portable ? Path("prefix/bin") : sUser);
            QCOMPARE(Read(setup.sFolder + "/data/keywords.txt"), keywords);
            QCOMPARE(setup.ok(), keywords != "<none>");
            QVERIFY2(setup.ok() || setup.sProblem.contains(sUser), qPrintable(setup.sProblem));
            QCOMPARE(QFileInfo(sUser + "/logs").isDir(), !portable && setup.ok());
            QVERIFY(!QFileInfo::exists(sUser + "/data.partial"));
        }
        if (created) {
            QCOMPARE(Read(sUser + "/data/sub/deep.txt"), QByteArray("deep"));
            QVERIFY(QFile::permissions(sUser + "/data/keywords.txt") & QFile::WriteOwner);
            const QList<QByteArray> log = Read(sUser + "/logs/" + EventLogFileName).split('\n');
            QCOMPARE(log.size(), 2);  // one entry, ended by CR LF
            QVERIFY(log[0].contains(sUser.toUtf8()));
        }
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "test_program_folder.moc"
