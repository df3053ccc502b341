#include "common/DataFolder.h"
#include "common/DataTableCache.h"
#include "common/TextFile.h"
#include "common/modPublic.h"
#include "support/ProgramFolder.h"
#include "support/Utf16.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    // The search reads line by line, the selection and the validator the whole
    // file: both must give the same lines.
    void oneReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lf and lone cr") << QByteArray("a\nb\rc") << QStringList{"a", "b", "c"};
        QTest::newRow("empty and blank lines kept") << QByteArray("a\r\n\r\n\n  \r\r\nb") << QStringList{"a", "", "", "  ", "", "b"};
        QTest::newRow("utf8") << QByteArray("caf\xC3\xA9") << QStringList{QString::fromUtf8("café")};
        QTest::newRow("windows-1252") << QByteArray("\x93hi\x94\r\n\x80") << QStringList{QString::fromUtf8("“hi”"), QString::fromUtf8("€")};
        QTest::newRow("broken utf8 read as 1252") << QByteArray("\xC3\xA9\xE9") << QStringList{QString::fromUtf8("Ã©é")};
        QTest::newRow("bom skipped") << QByteArray("\xEF\xBB\xBFhi") << QStringList{"hi"};
        QTest::newRow("only the first bom") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFhi") << QStringList{QChar(0xFEFF) + QString("hi")};
        QTest::newRow("bom of a joined file is text") << QByteArray("\xEF\xBB\xBFhi\r\n\xEF\xBB\xBF\r\n\xEF\xBB\xBF\xC3\xA9")
                                                       << QStringList{"hi", QString(QChar(0xFEFF)), QChar(0xFEFF) + QString::fromUtf8("é")};
        QTest::newRow("bom of a 1252 file is text") << QByteArray("\xEF\xBB\xBF" "caf\xE9") << QStringList{QString::fromUtf8("ï»¿café")};
        // A NUL is a character of its line, in either encoding.
        const QString nul(QChar(0));
        QTest::newRow("nul in utf8") << QByteArrayLiteral("a\0b\r\ncaf\xC3\xA9\0") << QStringList{"a" + nul + "b", QString::fromUtf8("café") + nul};
        QTest::newRow("nul in windows-1252") << QByteArrayLiteral("0009 caf\0\xE9") << QStringList{"0009 caf" + nul + QString::fromUtf8("é")};
        QTest::newRow("nul at the start") << QByteArrayLiteral("\0a\r\nb") << QStringList{nul + "a", "b"};
        const QString sText = QString::fromUtf8("[café.txt]\r\n0001 hello\n0002 日本\r");
        const QStringList lines{QString::fromUtf8("[café.txt]"), "0001 hello", QString::fromUtf8("0002 日本")};
        QTest::newRow("utf-16 le with bom") << Utf16(sText, QStringConverter::Utf16LE, true) << lines;
        QTest::newRow("utf-16 be with bom") << Utf16(sText, QStringConverter::Utf16BE, true) << lines;
        QTest::newRow("utf-16 le without bom") << Utf16(sText, QStringConverter::Utf16LE, false) << lines;
        QTest::newRow("utf-16 be without bom") << Utf16(sText, QStringConverter::Utf16BE, false) << lines;
        QTest::newRow("utf-16 bom only") << QByteArray("\xFF\xFE") << QStringList();
        const QString replaced(QChar::ReplacementCharacter);
        QTest::newRow("utf-16 lone surrogates") << QByteArrayLiteral("\xFF\xFE\x00\xD8" "a\0\x00\xDC") << QStringList{replaced + "a" + replaced};
        QTest::newRow("utf-16 odd byte at the end") << QByteArrayLiteral("\xFE\xFF\0a\0") << QStringList{"a" + replaced};
        QTest::newRow("utf-16 with a nul") << Utf16("a" + nul + "b", QStringConverter::Utf16LE, true) << QStringList{"a" + nul + "b"};
    }

    void oneReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        TextFile::LineReader reader(bytes);
        QStringList byLine;
        while (reader.NextLine())
            byLine << reader.Decoded();
        QCOMPARE(byLine, lines);
        ProgramFolder folder;
        folder.WriteDataBytes("f.txt", bytes);
        const QString sText = TextFile::ReadText(folder.DataPath("f.txt")).value_or("<failed>");
        QStringList whole;
        for (QStringView v : TextFile::SplitLines(sText))
            whole << v.toString();
        QCOMPARE(whole, lines);
    }

    void unreadable()
    {
        ProgramFolder folder;
        TextFile::Failure failure;
        QVERIFY(!TextFile::ReadText(folder.DataPath("nope.txt"), &failure));
        QVERIFY(failure.nNumber != 0);
        QVERIFY(failure.sDescription.contains("nope.txt"));
        QVERIFY(!TextFile::ReadText(folder.DataPath(""), &failure));
        QVERIFY(failure.sDescription.contains("folder"));
    }

    // A table is parsed again whenever its file changed since, however soon
    // and even when a copy kept its size and modification time; a table left
    // alone is parsed once.
    void tableCache()
    {
        ProgramFolder folder;
        static int nParsed = 0;
        const auto parse = [](QStringView s, QStringList *) { return ++nParsed, s.toString(); };
        DataTableCache<QString> cache("t.txt", parse), missing("u.txt", parse), otherCase("v.txt", parse);
        QCOMPARE(cache.Get(), std::nullopt);
        folder.WriteData("V.txt", {"a"});
        folder.WriteData("t.txt", {"one"});
        QCOMPARE(cache.Get(), "one\r\n");
        folder.WriteData("t.txt", {"two"});
        QCOMPARE(cache.Get(), "two\r\n");
        const QDateTime old = QDateTime::currentDateTime().addSecs(-60);
        const auto keepOldTime = [&] {
            QFile file(folder.DataPath("t.txt"));
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime));
        };
        keepOldTime();
        QTest::qSleep(2100);
        nParsed = 0;
        QCOMPARE(cache.Get(), "two\r\n");
        QCOMPARE(cache.Get(), "two\r\n");
        QCOMPARE(nParsed, 1);
        // A missing file is looked for again only when its folder changed.
        QCOMPARE(missing.Get(), std::nullopt);
        folder.WriteData("U.txt", {"new"});  // the exact name is still missing
        QCOMPARE(missing.Get(), "new\r\n");
        // One found under another letter case shows its edits, which its folder does not.
        QCOMPARE(otherCase.Get(), "a\r\n");
        folder.WriteData("V.txt", {"b"});
        QCOMPARE(otherCase.Get(), "b\r\n");
        folder.WriteData("t.txt", {"six"});
        keepOldTime();
        QCOMPARE(cache.Get(), "six\r\n");
        // Within one scope (a reply) the file is looked at once; the next scope sees the edit.
        {
            const DataTableScope reply;
            {
                const DataTableScope nested;  // its end leaves the reply's scope open
                QCOMPARE(cache.Get(), "six\r\n");
            }
            folder.WriteData("t.txt", {"seven"});
            QCOMPARE(cache.Get(), "six\r\n");
        }
        {
            const DataTableScope reply;
            QCOMPARE(cache.Get(), "seven\r\n");
        }
        QVERIFY(QFile::remove(folder.DataPath("t.txt")));
        QCOMPARE(cache.Get(), std::nullopt);
        QVERIFY(QDir(folder.DataPath("")).mkdir("t.txt"));
        QCOMPARE(cache.Get(), std::nullopt);
    }

    // However the program folder is written, names stay inside data/.
    void resolve()
    {
        ProgramFolder folder;
        folder.WriteData("Topics/Pets.txt", {"x"});
        const QString sCurrent = QDir::currentPath();
        QDir::setCurrent(folder.Path());
        auto resolve = [](const QString &sName) { return DataFolder::Resolve(DataFolder::DataPath(sName)).sPath; };
        for (const QString &sProgramFolder : {folder.Path(), folder.Path() + "/./", QString("."), QString("/")}) {
            modPublic::ProgramFolder = sProgramFolder;
            if (sProgramFolder != "/") {
                const QFileInfo expected(folder.DataPath("Topics/Pets.txt"));
                QCOMPARE(QFileInfo(resolve("Topics\\Pets.txt")), expected);
                QCOMPARE(QFileInfo(resolve("topics/PETS.TXT")), expected);
                // A missing file resolves to itself, so that opening it reports the real cause.
                QCOMPARE(QFileInfo(resolve("none.txt")), QFileInfo(folder.DataPath("none.txt")));
            }
            for (const char *sName : {"..\\..\\etc\\passwd", "../../../../../../etc/hostname", "Topics/../../logs/x"})
                QVERIFY2(resolve(sName).isEmpty(), sName);
            // The system would open the file named by the part before the NUL.
            for (const QString &sName : {"Topics/Pets.txt" + QString(QChar(0)) + ".old", QString(QChar(0)) + "x"}) {
                const DataFolder::Resolution refused = DataFolder::Resolve(DataFolder::DataPath(sName));
                QVERIFY(refused.sPath.isEmpty());
                QVERIFY2(refused.sError.contains("holds a NUL character"), qPrintable(refused.sError));
            }
        }
        QDir::setCurrent(sCurrent);
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_text_file.moc"
