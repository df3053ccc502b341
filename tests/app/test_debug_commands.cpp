#include "app/FrmMain.h"
#include "app/FrmTextWindow.h"
#include "common/modPublic.h"
#include "console/FrmClientConsole.h"
#include "support/Knowledge.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTest>

namespace {

const QString kGreeting = QStringLiteral("Orvia Console Initilized - All Systems have been Enabled");

QAction *Item(FrmMain &main, const QString &sName)
{
    auto *action = main.findChild<QAction *>(sName);
    Q_ASSERT(action);
    return action;
}

void Enter(FrmClientConsole *console, const QString &sCommand)
{
    QTest::keyClicks(console->txtInput, sCommand);
    QTest::keyClick(console->txtInput, Qt::Key_Return);
}

QStringList Texts(const ScriptedDialogs &dialogs)
{
    QStringList texts;
    for (const auto &message : dialogs.messages)
        texts << message.sText;
    return texts;
}

}  // namespace

class TestDebugCommands : public QObject {
    Q_OBJECT

private slots:
    void debugModeFollowsTheCheckMark();
    void logEntries_data();
    void logEntries();
    void massLookup();
    void ctrlCOpensTheConsole();
    void ctrlCStillCopiesInATextBox();
};

void TestDebugCommands::debugModeFollowsTheCheckMark()
{
    ProgramFolder folder;
    FrmMain main;
    main.show();
    QAction *mode = Item(main, "MnuDebugMode");
    for (bool on : {true, false}) {
        mode->trigger();
        QCOMPARE(mode->isChecked(), on);
        QCOMPARE(modPublic::DebugMode, on);
    }
    // The console's command changes the flag only; the next click follows the check mark.
    Item(main, "MnuViewClientConsole")->trigger();
    Enter(main.findChild<FrmClientConsole *>(), QStringLiteral("set debugmode on"));
    QVERIFY(modPublic::DebugMode && !mode->isChecked());
    mode->trigger();
    QVERIFY(modPublic::DebugMode && mode->isChecked());
}

// Each command shows its boxes, then writes one entry; without a logs folder it
// says so once and the next command runs all the same.
void TestDebugCommands::logEntries_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("answers");  // to the input box
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("logName");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("userNameAfter");
    const QString lookup = QStringLiteral("A Keyword lookup is being simulated...");
    QTest::newRow("event") << "MnuDebugSimEvent" << QStringList{} << "" << QStringList{"An Event is being written to the event log..."}
                           << "EventLog.txt"
                           << QStringList{"Test Event", "Debugging Menu -> Simulate",
                                          " A Test Event with Priority 1 has been added to the event log", "1"}
                           << "";
    QTest::newRow("error") << "MnuDebugSimError" << QStringList{} << "" << QStringList{"An Error is being written to the Error log..."}
                           << "ErrorLog.txt"
                           << QStringList{"Test Error", "Debugging Menu -> Simulate",
                                          " A Test Error with Priority 1 has been added to the event log"}
                           << "";
    QTest::newRow("lookup, no name yet") << "MnuDebugKeyword" << QStringList{"well hello"} << "" << QStringList{lookup, "hello Vask, how are you"}
                                         << "EventLog.txt" << QStringList{"Test Result", "Debug Menu --> Test", "hello Vask, how are you", "1"}
                                         << "Vask";
    QTest::newRow("lookup, name kept") << "MnuDebugKeyword" << QStringList{"hello"} << "Ann" << QStringList{lookup, "hello Ann, how are you"}
                                       << "EventLog.txt" << QStringList{"Test Result", "Debug Menu --> Test", "hello Ann, how are you", "1"}
                                       << "Ann";
    QTest::newRow("lookup, no keyword") << "MnuDebugKeyword" << QStringList{"goodbye"} << "" << QStringList{lookup, ""} << "EventLog.txt"
                                        << QStringList{"Test Result", "Debug Menu --> Test", "", "1"} << "Vask";
    QTest::newRow("lookup, cancelled") << "MnuDebugKeyword" << QStringList{} << "" << QStringList{lookup} << "EventLog.txt"
                                       << QStringList{"Test Result", "Debug Menu --> Test", "", "1"} << "Vask";
}

void TestDebugCommands::logEntries()
{
    QFETCH(QString, item);
    QFETCH(QStringList, answers);
    QFETCH(QString, userName);
    QFETCH(QStringList, shown);
    QFETCH(QString, logName);
    QFETCH(QStringList, fields);
    QFETCH(QString, userNameAfter);
    for (bool withLogs : {true, false}) {
        ScriptedDialogs dialogs;
        dialogs.answers = answers;
        ProgramFolder folder(withLogs);
        WriteKnowledge(folder);
        modPublic::UserName = userName;
        FrmMain main;
        Item(main, item)->trigger();
        QCOMPARE(modPublic::UserName, userNameAfter);
        if (withLogs) {
            QCOMPARE(Texts(dialogs), shown);
            const QStringList lines = folder.LogLines(logName);
            QCOMPARE(lines.size(), 1);
            QCOMPARE(lines.first().split(QChar(0xA5)).mid(1), fields);
        } else {
            QCOMPARE(dialogs.messages.size(), shown.size() + 1);
            QVERIFY2(dialogs.messages.last().sText.contains(logName), qPrintable(dialogs.messages.last().sText));
            QVERIFY(!QFileInfo::exists(folder.Path() + QStringLiteral("/logs")));
            dialogs.answers = answers;
            Item(main, item)->trigger();
            QCOMPARE(dialogs.messages.size(), 2 * (shown.size() + 1));
        }
    }
}

void TestDebugCommands::massLookup()
{
    ScriptedDialogs dialogs;
    dialogs.answers = QStringList{"goodbye", "", "hello there", "well hello"};
    ProgramFolder folder;
    WriteKnowledge(folder);
    FrmMain main;
    main.show();
    QAction *mass = Item(main, "MnuDebugTextMass");
    // No keyword, then cancelled: no window.
    mass->trigger();
    mass->trigger();
    QCOMPARE(main.findChild<FrmTextWindow *>(), nullptr);
    QCOMPARE(modPublic::UserName, QStringLiteral("Vask"));

    mass->trigger();
    auto *window = main.findChild<FrmTextWindow *>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->parentWidget()->parentWidget()->parentWidget(), main.mdiArea());
    QStringList expected{QStringLiteral(" Generating responses for 'hello'..."), QString()};
    for (int n = 1; n <= 20; ++n)
        expected << QString::number(n) + QStringLiteral(" - hello Vask, how are you");
    QCOMPARE(window->Text().split(QLatin1Char('\n')), expected);

    // A second run replaces the text in the same window.
    folder.WriteData(QStringLiteral("greetings.txt"), {"*0001", "# again", "*"});
    mass->trigger();
    QCOMPARE(main.findChildren<FrmTextWindow *>().size(), 1);
    QCOMPARE(window->Text().split(QLatin1Char('\n')).value(21), QStringLiteral("20 - again"));
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(folder.LogLines(QStringLiteral("EventLog.txt")).isEmpty());
}

void TestDebugCommands::ctrlCOpensTheConsole()
{
    ProgramFolder folder;
    FrmMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_C, Qt::ControlModifier);
    auto *console = main.findChild<FrmClientConsole *>();
    QVERIFY(console && console->isVisible());
    QVERIFY(modPublic::ConsoleLoaded);

    // Asking again while it is open only brings it forward, transcript kept.
    Enter(console, QStringLiteral("get voicemode"));
    const QString transcript = console->txtConsoleLog->toPlainText();
    Item(main, "MnuViewClientConsole")->trigger();
    QCOMPARE(main.findChildren<FrmClientConsole *>().size(), 1);
    QCOMPARE(console->txtConsoleLog->toPlainText(), transcript);

    // Closed and asked for again: the same console, loaded afresh.
    QVERIFY(main.mdiArea()->activeSubWindow()->close());
    QVERIFY(!modPublic::ConsoleLoaded);
    main.activateWindow();
    main.setFocus();
    QTest::keyClick(&main, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(main.findChild<FrmClientConsole *>(), console);
    QVERIFY(console->isVisible() && modPublic::ConsoleLoaded);
    QCOMPARE(console->txtConsoleLog->toPlainText(), kGreeting);
}

void TestDebugCommands::ctrlCStillCopiesInATextBox()
{
    ScriptedDialogs dialogs;
    dialogs.answers = QStringList{"hello"};
    ProgramFolder folder;
    WriteKnowledge(folder);
    FrmMain main;
    auto *edit = new QLineEdit(QStringLiteral("copy me please"));
    main.mdiArea()->addSubWindow(edit)->show();
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QClipboard *clipboard = QGuiApplication::clipboard();

    edit->setFocus();
    edit->setSelection(0, 4);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("copy"));

    // The read-only text areas of the child windows copy as well.
    Item(main, "MnuDebugTextMass")->trigger();
    auto *window = main.findChild<FrmTextWindow *>();
    window->txtNotepad->setFocus();
    QTest::keyClick(window->txtNotepad, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window->txtNotepad, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), window->Text());
    QCOMPARE(main.findChild<FrmClientConsole *>(), nullptr);

    Item(main, "MnuViewClientConsole")->trigger();
    auto *console = main.findChild<FrmClientConsole *>();
    console->sChoices->setCurrentIndex(0);
    console->txtConsoleLog->setFocus();
    console->txtConsoleLog->selectAll();
    QTest::keyClick(console->txtConsoleLog, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), kGreeting);
}

QTEST_MAIN(TestDebugCommands)
#include "test_debug_commands.moc"
