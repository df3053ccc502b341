#include "common/modPublic.h"
#include "engine/ModFunctions.h"
#include "engine/Reply.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QRandomGenerator>
#include <QTest>

// Knowledge files a botmaster might break by accident: none of them may crash
// the engine, hang it or run it out of memory.
class TestMalformedFiles : public QObject {
    Q_OBJECT

private slots:
    void binaryGarbage();
    void hugeSingleLine();
    void onlyBlanks();
    void manyEntriesForOneCode();
    void veryLongSentence();
};

void TestMalformedFiles::binaryGarbage()
{
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    QByteArray bytes(200000, '\0');
    QRandomGenerator rng(42);
    for (char &b : bytes)
        b = char(rng.bounded(256));
    folder.WriteDataBytes("keywords.txt", bytes);
    folder.WriteDataBytes("Preset4.txt", bytes);
    const ReplyResult r = GetReply("hello there");
    // Whatever the garbage holds, the reply comes back and any failure was reported.
    QVERIFY(r.sText.size() < bytes.size());
    QVERIFY(dialogs.messages.size() <= 3);
}

void TestMalformedFiles::hugeSingleLine()
{
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    const QByteArray line = "0001 " + QByteArray(10 * 1024 * 1024, 'x');
    folder.WriteDataBytes("keywords.txt", "[r.txt]\r\n" + line + "\r\n0002 hello\r\n");
    folder.WriteDataBytes("r.txt", "*0002\r\n# " + QByteArray(10 * 1024 * 1024, 'y') + "\r\n");
    const KeywordMatch m = KeywordSearch("hello");
    QCOMPARE(m.sCode, QString("0002"));
    QCOMPARE(GetRandomEntryFromFile(m, 3).sText.size(), 10 * 1024 * 1024);
    QVERIFY(dialogs.messages.isEmpty());
}

void TestMalformedFiles::onlyBlanks()
{
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    folder.WriteData("keywords.txt", {"     ", "  ", "      "});
    // Blank-led lines are keyword lines: the five-blank one has an empty phrase
    // and matches; the two-blank one above it is malformed only when reached.
    const KeywordMatch m = KeywordSearch("anything");
    QCOMPARE(m.sCode, QString("    "));
    QVERIFY(dialogs.messages.isEmpty());
    folder.WriteData("keywords.txt", {"  ", "     "});
    QCOMPARE(KeywordSearch("anything").sCode, QString());
    QCOMPARE(dialogs.messages.size(), 1);
}

void TestMalformedFiles::manyEntriesForOneCode()
{
    ProgramFolder folder;
    QStringList lines{"*0001"};
    for (int i = 0; i < 100000; ++i)
        lines << QStringLiteral("# entry %1").arg(i);
    folder.WriteData("r.txt", lines);
    QSet<QString> seen;
    for (int i = 0; i < 50; ++i)
        seen.insert(GetRandomEntryFromFile(KeywordMatch{"", "0001", "r.txt", ""}, 3).sText);
    QVERIFY(seen.size() > 40);
    // Entries beyond the old 32,767 limit are reachable.
    bool beyond = false;
    for (const QString &s : seen)
        beyond = beyond || s.mid(6).toInt() > 32767;
    QVERIFY(beyond);
}

void TestMalformedFiles::veryLongSentence()
{
    ProgramFolder folder;
    folder.WriteData("keywords.txt", {"[r.txt]", "0001 needle"});
    folder.WriteData("r.txt", {"*0001", "# [following]"});
    const QString sSentence = QString(50000, 'a') + " needle " + QString(50000, 'b');
    const KeywordMatch m = KeywordSearch(sSentence);
    QCOMPARE(m.sCode, QString("0001"));
    QCOMPARE(GetRandomEntryFromFile(m, 3).sText, QString(50000, 'b'));
}

QTEST_GUILESS_MAIN(TestMalformedFiles)
#include "test_malformed_files.moc"
