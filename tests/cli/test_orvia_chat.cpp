#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <QMap>

#include <memory>

#include <csignal>
#include <sys/types.h>

namespace {

using Run = ProgramRun;

Run Chat(const QStringList &args, const QString &sInput, const QString &sWorkingFolder = QString())
{
    return RunProgram(QStringLiteral(ORVIA_CHAT), args, sInput.toUtf8(), sWorkingFolder);
}

QString Lines(const QString &s)
{
    return QString(s).replace('|', '\n') + '\n';
}

// Files of data/ by name, their lines separated by "|".
using Files = QMap<QString, QString>;

Files Base()
{
    return {{"keywords.txt", "/ greetings first|[a.txt]|0001 hello|0002 cat|0003 walk|0004 never said|0001 café|[gone.txt]|0005 ghost"},
            {"a.txt", "*0001|# hi [name]|*0002|# cats!|# kittens!|# meow|*0003|$do you walk?|&walk.txt"},
            {"walk.txt", "[b.txt]|0001 yes"},
            {"b.txt", "*0001|# good walker"},
            {"Preset2.txt", "*0013|# one word, please|*0010|# but what?|*0020|# say something"},
            {"Preset3.txt", "*0002|# your name?|*0001|# welcome [name]"},
            {"Preset4.txt", "*0001|# tell me more"},
            {"preset1.txt", "[Preset2.txt]|0020 {silence}"}};
}

}  // namespace

class TestOrviaChat : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;

private slots:
    // The base, with some files replaced.
    void WriteBase(const Files &files = {})
    {
        Files all = Base();
        all.insert(files);
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            m_folder->WriteDataBytes(it.key(), (QString(it.value()).replace('|', "\r\n") + "\r\n").toUtf8());
    }

    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        WriteBase();
    }
    void cleanup() { m_folder.reset(); }

    void chat_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");  // a run of whole lines of the output
        QTest::addColumn<int>("errorLogLines");

        QTest::newRow("name, then chat") << QStringList{} << "|Bob is here|Bob|hello"
                                         << "<Orvia> your name?|<User> {SILENCE}|<Orvia> say something|<User> Bob is here|<Orvia> one word, please"
                                            "|<Bob> Bob|<Orvia> welcome Bob|<Bob> hello|<Orvia> hi Bob"
                                         << 0;
        QTest::newRow("--name, watch word") << QStringList{"--name", "Ann"} << "but|BUT"
                                            << "<Orvia> your name?|<Ann> Ann|<Orvia> welcome Ann|<Ann> but|<Orvia> tell me more|<Ann> BUT" << 0;
        QTest::newRow("--name of two words") << QStringList{"--name", "Mary Jane"} << "hello"
                                             << "<Orvia> your name?|<Mary Jane> Mary Jane|<Orvia> welcome Mary Jane|<Mary Jane> hello|<Orvia> hi Mary Jane"
                                             << 0;
        QTest::newRow("watch word while the name is asked") << QStringList{} << "But|Ann" << "<Orvia> your name?|but what?|<Ann> Ann" << 0;
        QTest::newRow("trace") << QStringList{"--trace", "--name", "Ann"} << "walk|yes|hello|hello|walk|zzz|ghost|un café"
                               << "<Orvia> welcome Ann|    answer data/Preset3.txt:4, code 0001"
                                  "|<Ann> walk|<Orvia> do you walk?|    main index data/keywords.txt:5 matched \"walk\""
                                  "|    answer data/a.txt:8, code 0003|    next sentence: follow-up index data/walk.txt first"
                                  "|<Ann> yes|<Orvia> good walker|    follow-up index data/walk.txt:2 matched \"yes\"|    answer data/b.txt:2, code 0001"
                                  "|<Ann> hello|<Orvia> hi Ann|    main index data/keywords.txt:3 matched \"hello\"|    answer data/a.txt:2, code 0001"
                                  "|<Ann> hello|<Orvia> tell me more"
                                  "|    main index data/keywords.txt: \"hello\" as last time; searched again passing over it"
                                  "|    main index data/keywords.txt: nothing matched|    fallback block data/Preset4.txt:2, code 0001"
                                  "|<Ann> walk|<Orvia> do you walk?|    main index data/keywords.txt:5 matched \"walk\""
                                  "|    answer data/a.txt:8, code 0003|    next sentence: follow-up index data/walk.txt first"
                                  "|<Ann> zzz|<Orvia> tell me more|    follow-up index data/walk.txt: nothing matched"
                                  "|    main index data/keywords.txt: nothing matched|    fallback block data/Preset4.txt:2, code 0001"
                                  "|<Ann> ghost|<Orvia> |    main index data/keywords.txt:9 matched \"ghost\""
                                  "|    answer: no entry of code 0005 in data/gone.txt could be used: Error Number 5( the response file for code 0005"
                                  " of gone.txt cannot be read: FOLDER/data/gone.txt: No such file or directory)(QFile)"
                                  "|<Ann> un café|<Orvia> hi Ann|    main index data/keywords.txt:7 matched \"café\"|    answer data/a.txt:2, code 0001"
                               << 1;
        QTest::newRow("report") << QStringList{"--report", "--name", "Ann"} << "hello|zzz|cat|zzz|Hello|my red bike|the Red bike!"
                                << "<Orvia> tell me more|sentences the fallback block answered: 4|  2 sharing \"red\", \"bike\""
                                   "|    suggested phrase \" red bike \", a line for it anywhere in data/keywords.txt: no line holds it or stands within it"
                                   "|    \"my red bike\"|    \"the Red bike!\"|  2 sharing no word with another|    \"zzz\" (2 times)|answers by code: 3"
                                   "|       4 data/Preset4.txt code 0001|       2 data/a.txt code 0001|       1 data/a.txt code 0002"
                                   "|keyword lines of data/keywords.txt that never answered: 4 of 6"
                                   "|    data/keywords.txt:5: \"walk\"|    data/keywords.txt:6: \"never said\"|    data/keywords.txt:7: \"café\"|    data/keywords.txt:9: \"ghost\""
                                << 0;
    }
    void chat()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QFETCH(int, errorLogLines);
        Run run = Chat(args << "--seed" << "5" << m_folder->Path(), Lines(input));
        run.sOut.replace(m_folder->Path(), "FOLDER");
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(('\n' + run.sOut).contains('\n' + Lines(expected)), qPrintable(run.sOut));
        QCOMPARE(m_folder->LogLines("ErrorLog.txt").size(), errorLogLines);
        QCOMPARE(run.sErr.count('\n'), errorLogLines);  // one message per failure
    }

    // Punctuation glued to the next word leaves the echo whole.
    void knowledgeFiles_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("reason");  // of the one failure the error log records, or nothing
        QTest::newRow("mark glued to the next word") << Files{{"keywords.txt", "[a.txt]|0006 i hope"}, {"a.txt", "*0006|$why do you wish [following]?"}}
                                                     << "i hoped!you would call" << "<Ann> i hoped!you would call|<Orvia> why do you wish i would call?"
                                                     << "";
        QTest::newRow("nul in a follow-up name") << Files{{"a.txt", QString("*0001|# hi [name]|*0003|$do you walk?|&walk.txt") + QChar(0) + "x"}} << "walk|yes"
                                                 << "<Ann> walk|<Orvia> do you walk?|<Ann> yes|<Orvia> tell me more"
                                                 << "walk.txt<NUL>x holds a NUL character";
    }
    void knowledgeFiles()
    {
        QFETCH(Files, files);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QFETCH(QString, reason);
        WriteBase(files);
        const Run run = Chat({"--seed", "5", "--name", "Ann", m_folder->Path()}, Lines(input));
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(('\n' + run.sOut).contains('\n' + Lines(expected)), qPrintable(run.sOut));
        QCOMPARE(run.sErr.count('\n'), reason.isEmpty() ? 0 : 1);
        const QStringList log = m_folder->LogLines("ErrorLog.txt");
        QCOMPARE(log.size(), reason.isEmpty() ? 0 : 1);
        QVERIFY2(log.join('\n').contains(reason), qPrintable(log.join('\n')));
    }

    // Every draw follows the seed: the same input gives the same transcript.
    void seedReproduces()
    {
        const QString sInput = Lines(QStringList(20, "cat|hello").join('|'));
        const QStringList args{"--name", "Ann", m_folder->Path()};
        const Run first = Chat(QStringList{"--seed", "7"} + args, sInput);
        QCOMPARE(first.exitCode, 0);
        QCOMPARE(Chat(QStringList{"--seed", "7"} + args, sInput).sOut, first.sOut);
        QVERIFY(Chat(QStringList{"--seed", "8"} + args, sInput).sOut != first.sOut);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("outStart");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: orvia-chat [OPTION]... [FOLDER]\n";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "orvia-chat (Orvia) " ORVIA_VERSION "\n";
        QTest::newRow("data folder itself") << QStringList{"data"} << 0 << "<Orvia> your name?\n";
        QTest::newRow("bad option") << QStringList{"--bogus"} << 2 << "";
        QTest::newRow("bad seed") << QStringList{"--seed", "x"} << 2 << "";
        QTest::newRow("no such folder") << QStringList{"nowhere"} << 2 << "";
        QTest::newRow("no keyword index") << QStringList{"logs"} << 2 << "";
        QTest::newRow("a file, not a folder") << QStringList{"data/a.txt"} << 2 << "";
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, outStart);
        // Folders are taken relative to the program folder.
        for (QString &s : args)
            if (!s.startsWith("-") && s != "x")
                s = m_folder->Path() + '/' + s;
        const Run run = Chat(args, QString());
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.sOut.left(outStart.size()), outStart);
        // Cannot run: one line on standard error that says why.
        QCOMPARE(run.sErr.count('\n'), exitCode == 2 ? 1 : 0);
        QCOMPARE(run.sErr.startsWith("orvia-chat: "), exitCode == 2);
    }

    // A piped line that is not UTF-8 is read as Windows-1252, line by line.
    void pipedWindows1252()
    {
        const Run run = RunProgram(QStringLiteral(ORVIA_CHAT), {"--seed", "5", m_folder->Path()}, "Zo\xeb\nun caf\xc3\xa9\n");
        QVERIFY2(run.sOut.contains(QString::fromUtf8("<Orvia> welcome Zoë\n<Zoë> un café\n<Orvia> hi Zoë\n")), qPrintable(run.sOut));
    }

    // Ctrl-C ends the chat as the end of the input does: the report still comes.
    void interruptKeepsTheReport()
    {
        QProcess process;
        process.start(QStringLiteral(ORVIA_CHAT), {"--report", "--name", "Ann", m_folder->Path()});
        process.write("hello\n");
        QByteArray out;
        QTRY_VERIFY((out += process.readAllStandardOutput()).contains("<Orvia> hi Ann\n"));
        QCOMPARE(::kill(pid_t(process.processId()), SIGINT), 0);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY((out + process.readAllStandardOutput()).contains("\nsentences the fallback block answered: 0\n"));
    }

    // On a terminal whose locale is not UTF-8, typed letters such as "ë" are kept.
    void terminalInAnyLocale()
    {
        const QString sScript = QStandardPaths::findExecutable("script");  // util-linux: a pseudo-terminal
        if (sScript.isEmpty())
            QSKIP("no script(1) to run the chat on a pseudo-terminal");
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LANG", "C");
        env.insert("LC_ALL", "C");
        process.setProcessEnvironment(env);
        process.start(sScript, {"-qec", QString("'%1' '%2'").arg(ORVIA_CHAT, m_folder->Path()), "/dev/null"});
        process.write(QString::fromUtf8("Zoë\nhello\n").toUtf8());
        QByteArray out;
        QTRY_VERIFY2((out += process.readAllStandardOutput()).contains("hi Zo"), out.constData());
        process.write("\x04");  // Ctrl-D
        QVERIFY(process.waitForFinished(10000));
        out += process.readAllStandardOutput();
        QVERIFY2(QString::fromUtf8(out).contains(QString::fromUtf8("welcome Zoë")), out.constData());
        QCOMPARE(process.exitCode(), 0);
    }

    // A failure is told once, with its reason: in the trace, where the search
    // stopped, and on standard error instead of the message box's apology.
    void failureReasons()
    {
        m_folder->WriteData("keywords.txt", {"[a.txt]", "0001 hello", "0003 walk", "0009", "0002 cat"});
        QVERIFY(QFile::remove(m_folder->DataPath("walk.txt")));
        Run run = Chat({"--trace", "--name", "Ann", m_folder->Path()}, "cat\nwalk\nyes\n");
        QCOMPARE(run.exitCode, 0);
        run.sOut.replace(m_folder->Path(), "FOLDER");
        run.sErr.replace(m_folder->Path(), "FOLDER");
        const QString sShort = "Error Number 1002( line 4 of FOLDER/data/keywords.txt is too short to be a keyword line)(Orvia)\n";
        QVERIFY2(run.sOut.contains("<Ann> cat\n<Orvia> tell me more\n    main index data/keywords.txt cannot be searched: " + sShort), qPrintable(run.sOut));
        QVERIFY2(run.sOut.contains("<Orvia> do you walk?\n    main index data/keywords.txt:3 matched \"walk\""), qPrintable(run.sOut));
        QVERIFY2(run.sOut.contains("<Ann> yes\n<Orvia> tell me more\n    follow-up index data/walk.txt cannot be searched: Error Number 5("),
                 qPrintable(run.sOut));
        const QStringList errors = run.sErr.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(errors.size(), 3);  // cat; yes: the follow-up, then the main index again
        QVERIFY2(run.sErr.startsWith("orvia-chat: " + sShort), qPrintable(run.sErr));
        QVERIFY(!run.sErr.contains("internal Error"));
        QCOMPARE(m_folder->LogLines("ErrorLog.txt").size(), 3);
        QVERIFY(!run.sOut.contains("as last time"));
    }

    // A bot's data folder may have any name and keeps its logs inside; started
    // in a bot's folder without FOLDER, the chat is with that bot; a main index
    // that cannot be read is refused.
    void botFolders()
    {
        const QString sBot = m_folder->Path() + "/board games";
        QVERIFY(QDir().rename(m_folder->Path() + "/data", sBot));
        Run run = Chat({"--name", "Ann", sBot}, "hello\nghost\n");
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.sOut.contains("<Orvia> hi Ann\n"), qPrintable(run.sOut));
        QVERIFY(QFileInfo::exists(sBot + "/logs/ErrorLog.txt"));

        run = Chat({"--name", "Ann"}, "hello\n", sBot);
        QVERIFY2(run.sOut.contains("<Orvia> hi Ann\n"), qPrintable(run.sOut + run.sErr));

        QVERIFY(QFile::remove(sBot + "/keywords.txt") && QDir(sBot).mkdir("keywords.txt"));
        run = Chat({sBot}, "hello\n");
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.sErr.startsWith("orvia-chat: the main index cannot be read: ") && run.sErr.contains("keywords.txt"), qPrintable(run.sErr));
    }
};

QTEST_GUILESS_MAIN(TestOrviaChat)
#include "test_orvia_chat.moc"
