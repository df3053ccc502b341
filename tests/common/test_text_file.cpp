#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "support/ProgramFolder.h"

#include <QTest>

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void splitLines_data();
    void splitLines();
    void decoding_data();
    void decoding();
    void unreadable();
    void encodeWindows1252();
    void resolve();
};

void TestTextFile::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("lf and lone cr") << "a\nb\rc" << QStringList{"a", "b", "c"};
    QTest::newRow("empty lines kept") << "a\r\n\r\n\nb" << QStringList{"a", "", "", "b"};
    QTest::newRow("blank line is not empty") << "  \r\n" << QStringList{"  "};
    QTest::newRow("cr cr lf") << "a\r\r\nb" << QStringList{"a", "", "b"};
}

void TestTextFile::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QStringList got;
    for (QStringView v : TextFile::SplitLines(text))
        got << v.toString();
    QCOMPARE(got, lines);
}

void TestTextFile::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("utf8") << QByteArray("caf\xC3\xA9") << QString::fromUtf8("café");
    QTest::newRow("bom skipped") << QByteArray("\xEF\xBB\xBFhi") << QString("hi");
    QTest::newRow("windows-1252") << QByteArray("\x93hi\x94 \x80") << QString::fromUtf8("“hi” €");
    QTest::newRow("broken utf8 read as 1252") << QByteArray("\xC3\xA9\xE9") << QString::fromUtf8("Ã©é");
}

void TestTextFile::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    ProgramFolder folder;
    folder.WriteDataBytes("f.txt", bytes);
    QCOMPARE(TextFile::ReadText(folder.DataPath("f.txt")).value_or("<failed>"), text);
}

void TestTextFile::unreadable()
{
    ProgramFolder folder;
    TextFile::Failure failure;
    QVERIFY(!TextFile::ReadText(folder.DataPath("nope.txt"), &failure));
    QVERIFY(failure.nNumber != 0);
    QVERIFY(failure.sDescription.contains("nope.txt"));
    QVERIFY(!TextFile::ReadText(folder.DataPath(""), &failure));
    QVERIFY(failure.sDescription.contains("folder"));
}

void TestTextFile::encodeWindows1252()
{
    QCOMPARE(TextFile::EncodeWindows1252(QString::fromUtf8("a¥€b")), QByteArray("a\xA5\x80" "b"));
    QCOMPARE(TextFile::EncodeWindows1252(QString::fromUtf8("日本\x1A")), QByteArray("??\x1A"));
}

void TestTextFile::resolve()
{
    ProgramFolder folder;
    folder.WriteData("Topics/Pets.txt", {"x"});
    const QString sExpected = folder.DataPath("Topics/Pets.txt");
    QCOMPARE(DataFolder::Resolve(DataFolder::DataPath("Topics\\Pets.txt")).sPath, sExpected);
    QCOMPARE(DataFolder::Resolve(DataFolder::DataPath("topics/PETS.TXT")).sPath, sExpected);
    const DataFolder::Resolution escaped = DataFolder::Resolve(DataFolder::DataPath("..\\..\\etc\\passwd"));
    QVERIFY(escaped.sPath.isEmpty());
    QVERIFY(!escaped.sError.isEmpty());
    // A missing file resolves to itself, so that opening it reports the real cause.
    QCOMPARE(DataFolder::Resolve(DataFolder::DataPath("none.txt")).sPath, folder.DataPath("none.txt"));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_text_file.moc"
