#include "app/DebugCommands.h"
#include "common/modPublic.h"
#include "engine/EngineErrors.h"
#include "support/Knowledge.h"

#include <QTest>

namespace {

// Records every box in order and answers input boxes from a script, as Cancel once it runs out.
struct FakeDebugView final : DebugCommands::DebugView {
    struct Shown {
        QString sText;
        bool warning = false;
    };
    QList<Shown> shown;
    QStringList answers;

    void Tell(const QString &sText) override { shown.append({sText}); }
    QString Ask(const QString &, const QString &) override { return answers.isEmpty() ? QString() : answers.takeFirst(); }
    void ShowFailure(const FailureNotice &notice) override { shown.append({notice.sText, notice.kind == FailureNotice::Kind::Warning}); }
};

}  // namespace

using Command = LogWriteStatus (*)(DebugCommands::DebugView &);
Q_DECLARE_METATYPE(Command)

class TestDebugCommands : public QObject {
    Q_OBJECT

private slots:
    // Each command shows its boxes, then writes one entry; without a logs folder
    // it warns once of each entry and the next command runs all the same.
    void logEntries_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QStringList>("answers");  // to the input box
        QTest::addColumn<QString>("userName");     // before and after
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("line");  // the entry without its date
        const QString lookup = QStringLiteral("A Keyword lookup is being simulated...");
        const QString result = QStringLiteral("EventLog.txt:Test Result¥Debug Menu --> Test¥");
        const auto lookupCommand = [](DebugCommands::DebugView &view) { return DebugCommands::KeywordLookup(view); };
        QTest::newRow("event") << Command(DebugCommands::SimulateEvent) << QStringList{} << "|" << QStringList{"An Event is being written to the event log..."}
                               << "EventLog.txt:Test Event¥Debugging Menu -> Simulate¥ A Test Event with Priority 1 has been added to the event log¥1";
        QTest::newRow("error") << Command(DebugCommands::SimulateError) << QStringList{} << "|" << QStringList{"An Error is being written to the Error log..."}
                               << "ErrorLog.txt:Test Error¥Debugging Menu -> Simulate¥ A Test Error with Priority 1 has been added to the event log";
        QTest::newRow("lookup") << Command(lookupCommand) << QStringList{"well hello"} << "|Vask" << QStringList{lookup, "hello Vask, how are you"}
                                << result + "hello Vask, how are you¥1";
        QTest::newRow("lookup, name kept") << Command(lookupCommand) << QStringList{"hello"} << "Ann|Ann" << QStringList{lookup, "hello Ann, how are you"}
                                           << result + "hello Ann, how are you¥1";
        QTest::newRow("lookup, no keyword") << Command(lookupCommand) << QStringList{"goodbye"} << "|Vask" << QStringList{lookup, ""} << result + "¥1";
        QTest::newRow("lookup, traced in Debug Mode")
            << Command([](DebugCommands::DebugView &view) { return DebugCommands::KeywordLookup(view, true); }) << QStringList{"well hello"} << "|Vask"
            << QStringList{lookup, "hello Vask, how are you\n\nmain index data/keywords.txt:2 matched \"hello\"\nanswer data/greetings.txt:2, code 0001"}
            << result + "hello Vask, how are you¥1";
        QTest::newRow("lookup, no keyword, traced")
            << Command([](DebugCommands::DebugView &view) { return DebugCommands::KeywordLookup(view, true); }) << QStringList{"goodbye"} << "|Vask"
            << QStringList{lookup, "\n\nmain index data/keywords.txt: nothing matched"} << result + "¥1";
        QTest::newRow("lookup, failed") << Command(lookupCommand) << QStringList{"broken"} << "|Vask" << QStringList{lookup, EngineErrors::kApology, ""}
                                        << result + "¥1";
        QTest::newRow("lookup, cancelled") << Command(lookupCommand) << QStringList{} << "|Vask" << QStringList{lookup} << result + "¥1";
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
            FakeDebugView view;
            ProgramFolder folder(withLogs);
            WriteKnowledge(folder);
            modPublic::UserName = userName.section('|', 0, 0);
            for (int run = 1; run <= 2; ++run) {
                view.answers = answers;
                QCOMPARE(bool(command(view)), withLogs);
            }
            QCOMPARE(modPublic::UserName, userName.section('|', 1));
            QStringList told;
            qsizetype nWarnings = 0;
            for (const auto &box : std::as_const(view.shown)) {
                if (box.warning)
                    ++nWarnings;
                else
                    told << box.sText;
            }
            QCOMPARE(told, shown + shown);
            if (withLogs) {
                QCOMPARE(nWarnings, 0);
                const QStringList lines = folder.LogLines(sLog);
                QCOMPARE(lines.size(), 2);
                QCOMPARE(lines[1].section(QChar(0xA5), 1), line.section(':', 1));
            } else {
                // One for the command's entry, one for the entry of each engine failure.
                QCOMPARE(nWarnings, 2 * (1 + shown.count(EngineErrors::kApology)));
                QVERIFY(view.shown.last().warning);
                QVERIFY2(view.shown.last().sText.contains(sLog), qPrintable(view.shown.last().sText));
            }
        }
    }

    void massLookup()
    {
        KnowledgeFixture kb;
        FakeDebugView view;
        view.answers = QStringList{"goodbye", "", "hello there"};
        QVERIFY(!DebugCommands::AskMassLookupMatch(view));  // no keyword
        QVERIFY(!DebugCommands::AskMassLookupMatch(view));  // cancelled
        QCOMPARE(modPublic::UserName, DebugCommands::DefaultUserName);
        const std::optional<KeywordMatch> match = DebugCommands::AskMassLookupMatch(view);
        QVERIFY(match);
        QStringList expected{QStringLiteral(" Generating responses for 'hello'..."), QString()};
        for (int n = 1; n <= 20; ++n)
            expected << QString::number(n) + QStringLiteral(" - hello Vask, how are you");
        QCOMPARE(DebugCommands::MassLookupText(view, *match).split(QStringLiteral("\r\n")), expected);
        QVERIFY(view.shown.isEmpty() && kb.folder.LogLines(QStringLiteral("EventLog.txt")).isEmpty());
        // Each reply that fails is told of as it comes.
        const KeywordMatch broken{QStringLiteral("broken"), QStringLiteral("0001"), QStringLiteral("missing.txt"), QString(), QString()};
        DebugCommands::MassLookupText(view, broken);
        QCOMPARE(view.shown.size(), DebugCommands::MassLookupCount);
    }
};

QTEST_GUILESS_MAIN(TestDebugCommands)
#include "test_debug_commands.moc"
