// orvia-test run as a botmaster runs it, on a small base written by the test.
#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

#include <memory>

namespace {

using Run = ProgramRun;

Run Test(const QStringList &args, const QString &sWorkingFolder = QString())
{
    return RunProgram(QStringLiteral(ORVIA_TEST), args, {}, sWorkingFolder);
}

// Files by name, their lines separated by "|".
using Files = QMap<QString, QString>;

// keywords.txt: 2 hello, 3 cat, 4 walk, 6 ghost (its response file is missing).
Files Base()
{
    return {{"keywords.txt", "[a.txt]|0001 hello|0002 cat|0003 walk|[gone.txt]|0005 ghost"},
            {"a.txt", "*0001|# hi [name]|*0002|# cats!|# kittens!|# meow|*0003|$do you walk?|&walk.txt"},
            {"walk.txt", "[b.txt]|0001 yes"},
            {"b.txt", "*0001|# good walker"},
            {"Preset2.txt", "*0013|# one word, please|*0010|# but what?|*0020|# say something"},
            {"Preset3.txt", "*0002|# your name?|*0001|# welcome [name]"},
            {"Preset4.txt", "*0001|# tell me more|# go on"},
            {"preset1.txt", "[Preset2.txt]|0020 {silence}"}};
}

void WriteFile(const QString &sPath, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(sPath).path());
    QFile file(sPath);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(sPath));
    file.write(bytes);
}

QByteArray Lines(const QString &s)
{
    return (QString(s).replace('|', '\n') + '\n').toUtf8();
}

// The line numbers of the "FILE:LINE: error:" lines, in order.
QList<int> FailureLines(const QString &sOut, const QString &sFile)
{
    QList<int> lines;
    const QRegularExpression re("^" + QRegularExpression::escape(sFile) + ":(\\d+): error: ", QRegularExpression::MultilineOption);
    for (auto it = re.globalMatch(sOut); it.hasNext();)
        lines << it.next().captured(1).toInt();
    return lines;
}

}  // namespace

class TestOrviaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;

    void WriteBase(const QString &sFolder, const Files &changes = {})
    {
        Files all = Base();
        all.insert(changes);
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            WriteFile(sFolder + "/data/" + it.key(), (QString(it.value()).replace('|', "\r\n") + "\r\n").toUtf8());
    }
    QString Path(const QString &sName) const { return m_folder->Path() + '/' + sName; }

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        WriteBase(m_folder->Path());
    }
    void cleanup() { m_folder.reset(); }

    // Exit status and the line of every failing expectation; nothing reaches the base's logs.
    void run_data()
    {
        QTest::addColumn<QString>("convo");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QList<int>>("failing");
        QTest::newRow("all hold") << "name: Ann|> hello|< code 0001 a.txt|< line keywords.txt:2|< = hi Ann|> walk|< follow-up walk.txt|< ~ WALK"
                                     "|> yes|< line walk.txt:2|< code 0001 b.txt|> zzz|< fallback|< any|< ~ o"
                                  << 0 << QList<int>{};
        QTest::newRow("every kind fails") << "name: Ann|> hello|< code 0002|< line keywords.txt:3|< ~ cats|< !~ hi|< = hi ann"
                                             "|> cat|< ~ cat|< !~ dog|< fallback|< follow-up walk.txt|> ghost|< any|< code 0005 gone.txt|< ~ boo"
                                          << 1 << QList<int>{3, 4, 5, 6, 7, 9, 11, 12, 14, 16};
        QTest::newRow("the name question, the watch word") << ">|< line preset1.txt:2|< code 0020 Preset2.txt|> but|< code 0010 Preset2.txt|< = but what?"
                                                              "|> Bob is here|< fallback|< code 0013|> Bob|< ~ bob|< code 0001 Preset3.txt|> hello|< = hi Bob"
                                                           << 0 << QList<int>{};
        // A conversation leaves no follow-up and no last keyword to the next one.
        QTest::newRow("conversations apart") << "name: Ann|> walk||name: Ann|> yes|< fallback||name: Ann|> hello||name: Ann|> hello|< code 0001"
                                             << 0 << QList<int>{};
    }
    void run()
    {
        QFETCH(QString, convo);
        QFETCH(int, exitCode);
        QFETCH(QList<int>, failing);
        WriteFile(Path("t.convo"), Lines(convo));
        const Run run = Test({Path("t.convo"), m_folder->Path()});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(FailureLines(run.sOut, Path("t.convo")), failing);
        QVERIFY2(run.sOut.endsWith(QString(": %1 failed\n").arg(failing.size())), qPrintable(run.sOut));
        QCOMPARE(m_folder->LogLines("ErrorLog.txt"), QStringList());
    }

    // A text check names the entries that break it, and holds or fails whatever the draw;
    // a turn that breaks two expectations is shown once, under the last.
    void textChecksJudgeEveryEntry()
    {
        WriteFile(Path("t.convo"), Lines("name: Ann|> cat|< ~ cat|< !~ dog|< code 0009"));
        for (const char *seed : {"1", "2", "3", "4", "5", "6"}) {
            const Run run = Test({"--seed", seed, Path("t.convo"), m_folder->Path()});
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(FailureLines(run.sOut, Path("t.convo")), (QList<int>{3, 5}));
            QVERIFY2(run.sOut.contains("expected every entry to hold \"cat\", got 2 of 3 entries without it\n"
                                       "    data/a.txt:5: \"kittens!\"\n    data/a.txt:6: \"meow\"\n" +
                                       Path("t.convo") + ":5: error: expected code 0009, got "),
                     qPrintable(run.sOut));
            QCOMPARE(run.sOut.count("\n    > cat\n"), 1);
            QVERIFY2(run.sOut.contains("\n    main index data/keywords.txt:3 matched \"cat\"\n"), qPrintable(run.sOut));
        }
    }

    // Text checks see the entries as the engine writes them and fold as its search does.
    void textChecksFold_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("entry");  // the entry of code 0001 a.txt, which "hello" answers
        QTest::addColumn<QString>("checks");
        QTest::addColumn<QList<int>>("failing");
        QTest::newRow("sharp s and capitals") << "" << "Die Straße, [name]" << "< ~ STRASSE|< ~ die strasse|< !~ STRASSE" << QList<int>{5};
        QTest::newRow("a final sigma as a reader writes it") << "" << "ΟΔΟΣ [name]" << "< = οδος Ann|< = οδοσ Ann" << QList<int>{4};
        QTest::newRow("a base that keeps its case") << "keep-case yes" << "Hi [name]" << "< = Hi Ann|< ~ HI|< = hi Ann" << QList<int>{5};
    }
    void textChecksFold()
    {
        QFETCH(QString, settings);
        QFETCH(QString, entry);
        QFETCH(QString, checks);
        QFETCH(QList<int>, failing);
        Files files{{"a.txt", "*0001|# " + entry}};
        if (!settings.isEmpty())
            files.insert("settings.txt", settings);
        WriteBase(m_folder->Path(), files);
        WriteFile(Path("t.convo"), Lines("name: Ann|> hello|" + checks));
        const Run run = Test({Path("t.convo"), m_folder->Path()});
        QCOMPARE(FailureLines(run.sOut, Path("t.convo")), failing);
    }

    void junitAndJson()
    {
        WriteFile(Path("pass.convo"), Lines("name: Ann|> hello|< code 0001||> Bob|< code 0001 Preset3.txt"));
        WriteFile(Path("fail.convo"), Lines("name: Ann|> cat|< code 0001"));
        const Run run = Test({"--junit", Path("out.xml"), Path("pass.convo"), Path("fail.convo"), m_folder->Path()});
        QCOMPARE(run.exitCode, 1);
        QFile xml(Path("out.xml"));
        QVERIFY(xml.open(QIODevice::ReadOnly));
        QXmlStreamReader reader(&xml);
        QStringList seen;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes a = reader.attributes();
            if (reader.name() == u"testsuites" || reader.name() == u"testsuite")
                seen << QString("%1 %2 %3/%4").arg(reader.name(), QFileInfo(a.value("name").toString()).fileName(), a.value("failures"), a.value("tests"));
            else if (reader.name() == u"testcase")
                seen << "case " + a.value("name").toString();
            else if (reader.name() == u"failure")
                seen << "failure " + a.value("message").toString();
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QCOMPARE(seen, QStringList({"testsuites orvia-test 1/3", "testsuite pass.convo 0/2", "case line 1: hello", "case line 5: Bob",
                                    "testsuite fail.convo 1/1", "case line 1: cat",
                                    "failure line 3: expected code 0001, got line keywords.txt:3 \"cat\", code 0002 a.txt"}));

        const Run json = Test({"--json", Path("pass.convo"), Path("fail.convo"), m_folder->Path()});
        const QJsonObject o = QJsonDocument::fromJson(json.sOut.toUtf8()).object();
        QCOMPARE(o["summary"].toObject()["expectations"].toInt(), 3);
        QCOMPARE(o["summary"].toObject()["failed"].toInt(), 1);
        QCOMPARE(o["failures"].toArray().first().toObject()["line"].toInt(), 3);
    }

    // A malformed line is named by file and line, and nothing runs.
    void malformed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("expectation first") << Lines("# c|< code 0001|> hi") << QList<int>{2};
        QTest::newRow("unknown expectation") << Lines("> hi|< cod 0001|<|< ~") << QList<int>{2, 3, 4};
        QTest::newRow("name inside") << Lines("> hi|name: Ann|name:") << QList<int>{2, 3};
        QTest::newRow("bad code and line") << Lines("> hi|< code 00001|< line keywords.txt:0|< line :3|< fallback now") << QList<int>{2, 3, 4, 5};
        QTest::newRow("stray text, no sentence") << Lines("hello||name: Ann|# only a name") << QList<int>{1, 3};
        QTest::newRow("not UTF-8, NUL") << QByteArray("> caf\xe9\n> a\0b\n> ok\n", 15) << QList<int>{1, 2};
        QTest::newRow("no conversation") << Lines("# nothing here") << QList<int>{};
    }
    void malformed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, lines);
        WriteFile(Path("bad.convo"), bytes);
        WriteFile(Path("good.convo"), Lines("> hi"));
        const Run run = Test({Path("good.convo"), Path("bad.convo"), m_folder->Path()});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.sOut, QString());
        QCOMPARE(FailureLines(run.sErr, Path("bad.convo")), lines);
        QVERIFY2(run.sErr.endsWith("orvia-test: nothing was run\n"), qPrintable(run.sErr));
        if (lines.isEmpty())
            QVERIFY(run.sErr.startsWith(Path("bad.convo") + ": error: holds no conversation"));
    }

    // What --record writes passes today, and fails once the base answers otherwise.
    void recordThenRun()
    {
        WriteFile(Path("s.txt"), Lines("# walking|hello|walk|yes|zzz||cat"));
        const Run record = Test({"--record", Path("r.convo"), "--name", "Ann", Path("s.txt"), m_folder->Path()});
        QCOMPARE(record.exitCode, 0);
        QFile file(Path("r.convo"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString sRecorded = QString::fromUtf8(file.readAll());
        QVERIFY2(sRecorded.endsWith("\n\nname: Ann\n# walking\n> hello\n< code 0001 a.txt\n< line keywords.txt:2\n> walk\n< code 0003 a.txt\n"
                                    "< line keywords.txt:4\n< follow-up walk.txt\n> yes\n< code 0001 b.txt\n< line walk.txt:2\n> zzz\n< fallback\n"
                                    "\nname: Ann\n> cat\n< code 0002 a.txt\n< line keywords.txt:3\n"),
                 qPrintable(sRecorded));
        QCOMPARE(Test({Path("r.convo"), m_folder->Path()}).exitCode, 0);
        WriteBase(m_folder->Path(), {{"keywords.txt", "[a.txt]|0001 hello|0002 walk|0003 cat"}});
        const Run after = Test({Path("r.convo"), m_folder->Path()});
        QCOMPARE(after.exitCode, 1);
        QCOMPARE(FailureLines(after.sOut, Path("r.convo")), QList<int>({9, 10, 11, 13, 14, 20, 21}));
    }

    // One line replaced: exactly the sentences it moves, in their conversations, by kind.
    void compare()
    {
        WriteBase(Path("new"), {{"keywords.txt", "[a.txt]|0001 hello|0002 zzz|0003 walk|[gone.txt]|0005 ghost"}});
        WriteFile(Path("s.txt"), Lines("hello|cat|zzz|cat walk|walk"));
        const Run run = Test({"--compare", "--name", "Ann", m_folder->Path(), Path("new"), Path("s.txt")});
        QCOMPARE(run.exitCode, 1);
        const QString sFile = Path("s.txt");
        QCOMPARE(run.sOut, QString("newly answered: 1\n"
                                   "    %1:3: \"zzz\"\n"
                                   "        before: fallback, code 0001 Preset4.txt\n"
                                   "        after:  line keywords.txt:3 \"zzz\", code 0002 a.txt\n"
                                   "newly unanswered: 2\n"
                                   "    %1:2: \"cat\"\n"
                                   "        before: line keywords.txt:3 \"cat\", code 0002 a.txt\n"
                                   "        after:  fallback, code 0001 Preset4.txt\n"
                                   "    %1:5: \"walk\"\n"
                                   "        before: line keywords.txt:4 \"walk\", code 0003 a.txt\n"
                                   "        after:  fallback, code 0001 Preset4.txt\n"
                                   "moved to another line: 1\n"
                                   "    %1:4: \"cat walk\"\n"
                                   "        before: line keywords.txt:3 \"cat\", code 0002 a.txt\n"
                                   "        after:  line keywords.txt:4 \"walk\", code 0003 a.txt\n"
                                   "5 sentences compared: 4 moved (1 newly answered, 2 newly unanswered, 1 to another line), 1 alike\n")
                                   .arg(sFile));
        // A line added above moves no answer by renumbering the lines below it.
        WriteBase(Path("new"), {{"keywords.txt", "/ a comment|[a.txt]|0001 hello|0002 cat|0003 walk|[gone.txt]|0005 ghost"}});
        const Run same = Test({"--compare", "--name", "Ann", m_folder->Path(), Path("new"), Path("s.txt")});
        QCOMPARE(same.exitCode, 0);
        QVERIFY2(same.sOut.endsWith("5 sentences compared: 0 moved (0 newly answered, 0 newly unanswered, 0 to another line), 5 alike\n"), qPrintable(same.sOut));
    }

    void compareGit()
    {
        const QString sGit = QStandardPaths::findExecutable("git");
        if (sGit.isEmpty())
            QSKIP("no git");
        auto git = [&](const QStringList &args) {
            QProcess p;
            p.setWorkingDirectory(m_folder->Path());
            p.start(sGit, QStringList{"-c", "user.name=t", "-c", "user.email=t@t", "-c", "commit.gpgsign=false"} + args);
            return p.waitForFinished(60000) && p.exitCode() == 0;
        };
        QVERIFY(git({"init", "-q"}) && git({"add", "data"}) && git({"commit", "-qm", "base"}));
        WriteBase(m_folder->Path(), {{"keywords.txt", "[a.txt]|0001 hello|0002 zzz|0003 walk|[gone.txt]|0005 ghost"}});
        WriteFile(Path("s.txt"), Lines("cat|zzz"));
        const Run run = Test({"--compare-git", "HEAD", "--name", "Ann", Path("s.txt"), m_folder->Path()});
        QVERIFY2(run.exitCode == 1, qPrintable(run.sErr));
        QVERIFY2(run.sOut.endsWith("2 sentences compared: 2 moved (1 newly answered, 1 newly unanswered, 0 to another line), 0 alike\n"), qPrintable(run.sOut));
        const Run bad = Test({"--compare-git", "no-such-rev", Path("s.txt"), m_folder->Path()});
        QCOMPARE(bad.exitCode, 2);
        QVERIFY2(bad.sErr.contains("as of no-such-rev: "), qPrintable(bad.sErr));
    }

    // Grouped by shared words, the largest first, with a phrase and its place.
    void fallbacks()
    {
        WriteBase(m_folder->Path(), {{"keywords.txt", "[a.txt]|0001 hello|0002 old blue car there|0003 walk"}});
        WriteFile(Path("s.txt"), Lines("i want a red bike|my red bike is broken|the blue car||the blue car|a blue car is fast|hello|xyzzy"));
        const Run run = Test({"--fallbacks", "--name", "Ann", Path("s.txt"), m_folder->Path()});
        QCOMPARE(run.exitCode, 0);
        const QString sFile = Path("s.txt");
        QCOMPARE(run.sOut, QString("sentences the fallback block answered: 6\n"
                                   "  3 sharing \"blue\", \"car\"\n"
                                   "    suggested phrase \" blue car \", a line for it below data/keywords.txt:3 (\"old blue car there\", which holds it)\n"
                                   "    %1:3: \"the blue car\" (2 times)\n"
                                   "    %1:6: \"a blue car is fast\"\n"
                                   "  2 sharing \"red\", \"bike\"\n"
                                   "    suggested phrase \" red bike \", a line for it anywhere in data/keywords.txt: no line holds it or stands within it\n"
                                   "    %1:1: \"i want a red bike\"\n"
                                   "    %1:2: \"my red bike is broken\"\n"
                                   "  1 sharing no word with another\n"
                                   "    %1:8: \"xyzzy\"\n"
                                   "6 of 7 sentences answered by the fallback block\n")
                                   .arg(sFile));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("start");  // of standard output, or of standard error when it fails
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: orvia-test [OPTION]... FILE.convo... [FOLDER]\n";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "orvia-test (Orvia) ";
        QTest::newRow("no file") << QStringList{} << 2 << "orvia-test: no test file given";
        QTest::newRow("missing file") << QStringList{"nowhere.convo", "FOLDER"} << 2 << "orvia-test: nowhere.convo: cannot be read";
        QTest::newRow("two modes") << QStringList{"--fallbacks", "--compare", "a", "b", "c"} << 2 << "orvia-test: one of --record";
        QTest::newRow("no base") << QStringList{"--fallbacks", "x.txt", "FOLDER/nowhere"} << 2 << "orvia-test: x.txt: cannot be read";
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, start);
        args.replaceInStrings("FOLDER", m_folder->Path());
        const Run run = Test(args, m_folder->Path());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((exitCode ? run.sErr : run.sOut).startsWith(start), qPrintable(run.sOut + run.sErr));
    }
};

QTEST_GUILESS_MAIN(TestOrviaTest)
#include "test_orvia_test.moc"
