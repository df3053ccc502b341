#include "common/modPublic.h"
#include "console/LogWriter.h"
#include "engine/ModFunctions.h"
#include "engine/Randomizer.h"
#include "engine/Reply.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QSet>
#include <QTest>

class TestSelection : public QObject {
    Q_OBJECT

private slots:
    void pooledBlocksOfOneCode();
    void everyPositionComesUp();
    void entryKinds_data();
    void entryKinds();
    void settings();
    void failures_data();
    void failures();
    void presetResponse();
    void drawsInOneClockTickDiffer();
};

namespace {
KeywordMatch Block(const QString &sFile, const QString &sCode)
{
    return KeywordMatch{QString(), sCode, sFile, QString()};
}
}  // namespace

void TestSelection::pooledBlocksOfOneCode()
{
    ProgramFolder folder;
    folder.WriteData("r.txt", {"*0001", "# a", "*0002", "# b", "* 0001", "# c", "*0001  ", "# d", "*", "# e", " *0001", "# f"});
    QSet<QString> seen;
    for (int i = 0; i < 400; ++i)
        seen.insert(GetRandomEntryFromFile(Block("r.txt", "0001"), 3).sText);
    QCOMPARE(seen, (QSet<QString>{"a", "d"}));
}

void TestSelection::everyPositionComesUp()
{
    ProgramFolder folder;
    QStringList lines{"*7"};
    for (int i = 1; i <= 5; ++i)
        lines << QString("# e%1").arg(i);
    folder.WriteData("r.txt", lines);
    QMap<QString, int> counts;
    for (int i = 0; i < 1000; ++i)
        ++counts[GetRandomEntryFromFile(Block("r.txt", "7"), 3).sText];
    QCOMPARE(counts.keys(), (QStringList{"e1", "e2", "e3", "e4", "e5"}));
    // Uniform: each of five entries near 200 of 1000 draws.
    for (int c : std::as_const(counts))
        QVERIFY2(c > 120 && c < 280, qPrintable(QString::number(c)));
}

void TestSelection::entryKinds_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("question");
    QTest::newRow("statement") << "# Hello There " << "hello there " << "" << false;
    QTest::newRow("statement without blank loses a letter") << "#Hello" << "ello" << "" << false;
    QTest::newRow("question") << "$How Are You?" << "how are you?" << "" << true;
    QTest::newRow("control part") << "# see you {bye}" << "see you" << "{bye}" << false;
    QTest::newRow("control from the name") << "# hi [name] there" << "hi A" << "{B} there" << false;
    QTest::newRow("control at the start") << "# {x}" << "" << "{x}" << false;
}

void TestSelection::entryKinds()
{
    QFETCH(QString, line);
    QFETCH(QString, text);
    QFETCH(QString, control);
    QFETCH(bool, question);
    ProgramFolder folder;
    modPublic::UserName = "A{B}";
    folder.WriteData("r.txt", {"*0001", line});
    const ResponseEntry e = GetRandomEntryFromFile(Block("r.txt", "0001"), 3);
    QCOMPARE(e.sText, text);
    QCOMPARE(e.sControl, control);
    QCOMPARE(e.IsQuestion, question);
}

void TestSelection::settings()
{
    ProgramFolder folder;
    folder.WriteData("r.txt", {"*0002", "&other.txt", "@mood    ignored", "*0001", "@mood    calm", "@mood    happy", "# x",
                               "&  next.txt  ", "*0003", "&"});
    modPublic::FollowUpFile = "pending.txt";
    const ResponseEntry e = GetRandomEntryFromFile(Block("r.txt", "0001"), 3);
    QCOMPARE(e.sAttribute, QString("happy"));
    QCOMPARE(modPublic::FollowUpFile, QString("next.txt"));
    GetRandomEntryFromFile(Block("r.txt", "0003"), 3);  // no entries, but "&" alone clears
    QCOMPARE(modPublic::FollowUpFile, QString());
}

void TestSelection::failures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("descriptionPart");
    QTest::newRow("missing file") << "r.txt" << QStringList() << 3 << "cannot be read";
    QTest::newRow("empty file name") << "" << QStringList() << 3 << "cannot be read";
    QTest::newRow("no block") << "r.txt" << QStringList{"*0002", "# x"} << 3 << "no entries for code 0001 of r.txt";
    QTest::newRow("only questions, statements asked") << "r.txt" << QStringList{"*0001", "$x?"} << 1 << "no entries";
    QTest::newRow("short attribute") << "r.txt" << QStringList{"*0001", "# x", "@short"} << 3 << "attribute line 3";
    QTest::newRow("lone hash chosen") << "r.txt" << QStringList{"*0001", "#"} << 3 << "empty statement";
}

void TestSelection::failures()
{
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    QFETCH(int, mode);
    QFETCH(QString, descriptionPart);
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    if (!lines.isEmpty())
        folder.WriteData("r.txt", lines);
    const ResponseEntry e = GetRandomEntryFromFile(Block(file, "0001"), mode);
    QCOMPARE(e.sText, QString());
    QCOMPARE(e.IsQuestion, false);
    QCOMPARE(dialogs.messages.size(), 1);
    const QStringList fields = folder.LogLines(ErrorLogFileName).value(0).split(QChar(0xA5));
    QCOMPARE(fields.size(), 4);
    QCOMPARE(fields[2], QString("GetRandomEntryFromFile Function"));
    QVERIFY2(fields[3].startsWith("Error Number ") && fields[3].contains(descriptionPart), qPrintable(fields[3]));
}

void TestSelection::presetResponse()
{
    ProgramFolder folder;
    modPublic::UserName = "Zoe";
    folder.WriteData("Preset3.txt", {"*0002", "# Hello [NAME]!"});
    QCOMPARE(GetPresetResponse("Preset3.txt", "0002"), QString("hello Zoe!"));
    // A name differing only in letter case is found too.
    QCOMPARE(GetPresetResponse("preset3.TXT", "0002"), QString("hello Zoe!"));
}

void TestSelection::drawsInOneClockTickDiffer()
{
    // Many reseeds fall within one millisecond here; the draws must still differ.
    QSet<double> draws;
    for (int i = 0; i < 1000; ++i) {
        Randomizer::ReseedFromClock();
        draws.insert(Randomizer::Draw());
    }
    QCOMPARE(draws.size(), 1000);
    for (double d : std::as_const(draws))
        QVERIFY(d >= 0.0 && d < 1.0);
}

QTEST_GUILESS_MAIN(TestSelection)
#include "test_selection.moc"
