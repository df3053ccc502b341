#include "app/DebugCommands.h"
#include "common/modPublic.h"
#include "support/Knowledge.h"

#include <QTest>

using Command = LogWriteStatus (*)();
Q_DECLARE_METATYPE(Command)

class TestDebugCommands : public QObject {
    Q_OBJECT

private slots:
    // Each command shows its boxes, then writes one entry; without a logs folder
    // it says so once and the next command runs all the same.
    void logEntries_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QStringList>("answers");  // to the input box
        QTest::addColumn<QString>("userName");     // before and after
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("line");  // the entry without its date
        const QString lookup = QStringLiteral("A Keyword lookup is being simulated...");
        const QString result = QStringLiteral("EventLog.txt:Test Result¥Debug Menu --> Test¥");
        QTest::newRow("event") << Command(DebugCommands::SimulateEvent) << QStringList{} << "|" << QStringList{"An Event is being written to the event log..."}
                               << "EventLog.txt:Test Event¥Debugging Menu -> Simulate¥ A Test Event with Priority 1 has been added to the event log¥1";
        QTest::newRow("error") << Command(DebugCommands::SimulateError) << QStringList{} << "|" << QStringList{"An Error is being written to the Error log..."}
                               << "ErrorLog.txt:Test Error¥Debugging Menu -> Simulate¥ A Test Error with Priority 1 has been added to the event log";
        QTest::newRow("lookup") << Command([] { return DebugCommands::KeywordLookup(); }) << QStringList{"well hello"} << "|Vask" << QStringList{lookup, "hello Vask, how are you"}
                                << result + "hello Vask, how are you¥1";
        QTest::newRow("lookup, name kept") << Command([] { return DebugCommands::KeywordLookup(); }) << QStringList{"hello"} << "Ann|Ann" << QStringList{lookup, "hello Ann, how are you"}
                                           << result + "hello Ann, how are you¥1";
        QTest::newRow("lookup, no keyword") << Command([] { return DebugCommands::KeywordLookup(); }) << QStringList{"goodbye"} << "|Vask" << QStringList{lookup, ""} << result + "¥1";
        QTest::newRow("lookup, traced in Debug Mode")
            << Command([] { return DebugCommands::KeywordLookup(true); }) << QStringList{"well hello"} << "|Vask"
            << QStringList{lookup, "hello Vask, how are you\n\nmain index data/keywords.txt:2 matched \"hello\"\nanswer data/greetings.txt:2, code 0001"}
            << result + "hello Vask, how are you¥1";
        QTest::newRow("lookup, no keyword, traced")
            << Command([] { return DebugCommands::KeywordLookup(true); }) << QStringList{"goodbye"} << "|Vask"
            << QStringList{lookup, "\n\nmain index data/keywords.txt: nothing matched"} << result + "¥1";
        QTest::newRow("lookup, cancelled") << Command([] { return DebugCommands::KeywordLookup(); }) << QStringList{} << "|Vask" << QStringList{lookup} << result + "¥1";
    }
    void logEntries()
    {
        QFETCH(Command, command);
        QFETCH(QStringList, answers);
        QFETCH(QString, userName);
        QFETCH(QStringList, shown);
        QFETCH(QString, line);
        const QString sLog = line.section(':', 0, 0);
        for (bool withLogs : {true, false}) {
            ScriptedDialogs dialogs;
            ProgramFolder folder(withLogs);
            WriteKnowledge(folder);
            modPublic::UserName = userName.section('|', 0, 0);
            for (int run = 1; run <= 2; ++run) {
                dialogs.answers = answers;
                QCOMPARE(bool(command()), withLogs);
            }
            QCOMPARE(modPublic::UserName, userName.section('|', 1));
            QStringList texts;
            for (const auto &message : std::as_const(dialogs.messages))
                texts << message.sText;
            if (withLogs) {
                QCOMPARE(texts, shown + shown);
                const QStringList lines = folder.LogLines(sLog);
                QCOMPARE(lines.size(), 2);
                QCOMPARE(lines[1].section(QChar(0xA5), 1), line.section(':', 1));
            } else {
                QCOMPARE(texts.size(), 2 * (shown.size() + 1));
                QVERIFY2(texts.last().contains(sLog), qPrintable(texts.last()));
            }
        }
    }

    void massLookup()
    {
        KnowledgeFixture kb;
        kb.dialogs.answers = QStringList{"goodbye", "", "hello there"};
        QVERIFY(!DebugCommands::AskMassLookupMatch());  // no keyword
        QVERIFY(!DebugCommands::AskMassLookupMatch());  // cancelled
        QCOMPARE(modPublic::UserName, DebugCommands::DefaultUserName);
        const std::optional<KeywordMatch> match = DebugCommands::AskMassLookupMatch();
        QVERIFY(match);
        QStringList expected{QStringLiteral(" Generating responses for 'hello'..."), QString()};
        for (int n = 1; n <= 20; ++n)
            expected << QString::number(n) + QStringLiteral(" - hello Vask, how are you");
        QCOMPARE(DebugCommands::MassLookupText(*match).split(QStringLiteral("\r\n")), expected);
        QVERIFY(kb.dialogs.messages.isEmpty() && kb.folder.LogLines(QStringLiteral("EventLog.txt")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDebugCommands)
#include "test_debug_commands.moc"
