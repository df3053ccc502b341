#include "app/DebugCommands.h"
#include "app/FrmMain.h"
#include "app/FrmTextWindow.h"
#include "common/modPublic.h"
#include "console/FrmClientConsole.h"
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

const QChar kSeparator(0x00A5);

void WriteKnowledge(const ProgramFolder &folder)
{
    folder.WriteData(QStringLiteral("keywords.txt"), {"[greet.txt]", "0001 hello"});
    folder.WriteData(QStringLiteral("greet.txt"), {"*0001", "# Hello [name]!", "*"});
}

QAction *Item(FrmMain &main, const char *name)
{
    auto *action = main.findChild<QAction *>(QLatin1String(name));
    Q_ASSERT(action);
    return action;
}

QStringList Fields(const QString &sLine)
{
    return sLine.split(kSeparator);
}

FrmClientConsole *OpenConsole(FrmMain &main)
{
    return main.findChild<FrmClientConsole *>();
}

}  // namespace

class TestDebugCommands : public QObject {
    Q_OBJECT

private slots:
    void debugModeFollowsTheCheckMark();
    void simulateEntries_data();
    void simulateEntries();
    void keywordLookup_data();
    void keywordLookup();
    void massLookupFillsTheTextWindow();
    void massLookupWithoutMatchOpensNothing();
    void failedLogWriteShownOnce_data();
    void failedLogWriteShownOnce();
    void ctrlCOpensTheConsole();
    void ctrlCStillCopiesInATextBox();
};

void TestDebugCommands::debugModeFollowsTheCheckMark()
{
    ProgramFolder folder;
    FrmMain main;
    main.show();
    QAction *mode = Item(main, "MnuDebugMode");
    QVERIFY(!mode->isChecked());
    mode->trigger();
    QVERIFY(mode->isChecked());
    QVERIFY(modPublic::DebugMode);
    mode->trigger();
    QVERIFY(!mode->isChecked());
    QVERIFY(!modPublic::DebugMode);

    // The console's command changes the flag only; the next click follows the check mark.
    Item(main, "MnuViewClientConsole")->trigger();
    FrmClientConsole *console = OpenConsole(main);
    QVERIFY(console);
    QTest::keyClicks(console->txtInput, QStringLiteral("set debugmode on"));
    QTest::keyClick(console->txtInput, Qt::Key_Return);
    QVERIFY(modPublic::DebugMode);
    QVERIFY(!mode->isChecked());
    mode->trigger();
    QVERIFY(mode->isChecked());
    QVERIFY(modPublic::DebugMode);
}

void TestDebugCommands::simulateEntries_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("logName");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("event") << "MnuDebugSimEvent" << "An Event is being written to the event log..." << "EventLog.txt"
                           << QStringList{"Test Event", "Debugging Menu -> Simulate",
                                          " A Test Event with Priority 1 has been added to the event log", "1"};
    QTest::newRow("error") << "MnuDebugSimError" << "An Error is being written to the Error log..." << "ErrorLog.txt"
                           << QStringList{"Test Error", "Debugging Menu -> Simulate",
                                          " A Test Error with Priority 1 has been added to the event log"};
}

void TestDebugCommands::simulateEntries()
{
    QFETCH(QString, item);
    QFETCH(QString, notice);
    QFETCH(QString, logName);
    QFETCH(QStringList, fields);
    ScriptedDialogs dialogs;
    ProgramFolder folder;
    FrmMain main;
    Item(main, qPrintable(item))->trigger();
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages.first().sText, notice);
    QCOMPARE(dialogs.messages.first().sTitle, QStringLiteral("Orvia"));
    const QStringList lines = folder.LogLines(logName);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(Fields(lines.first()).mid(1), fields);
}

void TestDebugCommands::keywordLookup_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("description");
    const QString notice = QStringLiteral("A Keyword lookup is being simulated...");
    QTest::newRow("match, no name yet") << QStringList{"well hello"} << QString() << QStringList{notice, "hello Vask!"}
                                        << "hello Vask!";
    QTest::newRow("match, name kept") << QStringList{"hello"} << "Ann" << QStringList{notice, "hello Ann!"} << "hello Ann!";
    QTest::newRow("no keyword") << QStringList{"goodbye"} << QString() << QStringList{notice, ""} << "";
    QTest::newRow("cancel") << QStringList{} << QString() << QStringList{notice} << "";
}

void TestDebugCommands::keywordLookup()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, userName);
    QFETCH(QStringList, shown);
    QFETCH(QString, description);
    ScriptedDialogs dialogs;
    dialogs.answers = answers;
    ProgramFolder folder;
    WriteKnowledge(folder);
    modPublic::UserName = userName;
    FrmMain main;
    Item(main, "MnuDebugKeyword")->trigger();

    QStringList texts;
    for (const auto &message : std::as_const(dialogs.messages))
        texts << message.sText;
    QCOMPARE(texts, shown);
    QCOMPARE(dialogs.inputs.size(), 1);
    QCOMPARE(dialogs.inputs.first().sPrompt, QStringLiteral("Please enter a test sentence"));
    QCOMPARE(dialogs.inputs.first().sTitle, QStringLiteral("Testing Answering System"));
    QCOMPARE(modPublic::UserName, userName.isEmpty() ? QStringLiteral("Vask") : userName);

    const QStringList lines = folder.LogLines(QStringLiteral("EventLog.txt"));
    QCOMPARE(lines.size(), 1);
    QCOMPARE(Fields(lines.first()).mid(1), (QStringList{"Test Result", "Debug Menu --> Test", description, "1"}));
}

void TestDebugCommands::massLookupFillsTheTextWindow()
{
    ScriptedDialogs dialogs;
    dialogs.answers = QStringList{"hello there", "well hello"};
    ProgramFolder folder;
    WriteKnowledge(folder);
    FrmMain main;
    main.show();
    QAction *mass = Item(main, "MnuDebugTextMass");
    mass->trigger();

    auto *window = main.findChild<FrmTextWindow *>();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(qobject_cast<QMdiSubWindow *>(window->parentWidget()));
    QCOMPARE(window->parentWidget()->parentWidget()->parentWidget(), main.mdiArea());
    const QStringList lines = window->Text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 22);
    QCOMPARE(lines[0], QStringLiteral(" Generating responses for 'hello'..."));
    QCOMPARE(lines[1], QString());
    for (int n = 1; n <= 20; ++n)
        QCOMPARE(lines[n + 1], QString::number(n) + QStringLiteral(" - hello Vask!"));
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(folder.LogLines(QStringLiteral("EventLog.txt")).isEmpty());

    // A second run replaces the text in the same window.
    folder.WriteData(QStringLiteral("greet.txt"), {"*0001", "# again", "*"});
    mass->trigger();
    QCOMPARE(main.findChildren<FrmTextWindow *>().size(), 1);
    const QStringList again = window->Text().split(QLatin1Char('\n'));
    QCOMPARE(again.size(), 22);
    QCOMPARE(again[21], QStringLiteral("20 - again"));
}

void TestDebugCommands::massLookupWithoutMatchOpensNothing()
{
    ScriptedDialogs dialogs;
    dialogs.answers = QStringList{"goodbye"};
    ProgramFolder folder;
    WriteKnowledge(folder);
    FrmMain main;
    Item(main, "MnuDebugTextMass")->trigger();
    QCOMPARE(main.findChild<FrmTextWindow *>(), nullptr);
    QCOMPARE(modPublic::UserName, QStringLiteral("Vask"));
    Item(main, "MnuDebugTextMass")->trigger();  // cancelled
    QCOMPARE(main.findChild<FrmTextWindow *>(), nullptr);
    QVERIFY(dialogs.messages.isEmpty());
}

void TestDebugCommands::failedLogWriteShownOnce_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("file");
    QTest::newRow("event") << "MnuDebugSimEvent" << "EventLog.txt";
    QTest::newRow("error") << "MnuDebugSimError" << "ErrorLog.txt";
    QTest::newRow("lookup") << "MnuDebugKeyword" << "EventLog.txt";
}

void TestDebugCommands::failedLogWriteShownOnce()
{
    QFETCH(QString, item);
    QFETCH(QString, file);
    ScriptedDialogs dialogs;
    ProgramFolder folder(false);
    FrmMain main;
    Item(main, qPrintable(item))->trigger();
    QCOMPARE(dialogs.messages.size(), 2);  // the notice, then the failure
    QVERIFY2(dialogs.messages.last().sText.contains(file), qPrintable(dialogs.messages.last().sText));
    QVERIFY(!QFileInfo::exists(folder.Path() + QStringLiteral("/logs")));
    // The program goes on: the next command runs normally.
    Item(main, qPrintable(item))->trigger();
    QCOMPARE(dialogs.messages.size(), 4);
}

void TestDebugCommands::ctrlCOpensTheConsole()
{
    ProgramFolder folder;
    FrmMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QVERIFY(!Item(main, "MnuView")->isVisible());
    QTest::keyClick(&main, Qt::Key_C, Qt::ControlModifier);
    FrmClientConsole *console = OpenConsole(main);
    QVERIFY(console);
    QVERIFY(console->isVisible());
    QVERIFY(modPublic::ConsoleLoaded);

    // Asking again while it is open only brings it forward, transcript kept.
    QTest::keyClicks(console->txtInput, QStringLiteral("get voicemode"));
    QTest::keyClick(console->txtInput, Qt::Key_Return);
    const QString transcript = console->txtConsoleLog->toPlainText();
    Item(main, "MnuViewClientConsole")->trigger();
    QCOMPARE(main.findChildren<FrmClientConsole *>().size(), 1);
    QCOMPARE(console->txtConsoleLog->toPlainText(), transcript);

    // Closed and asked for again: the same console, loaded afresh.
    QVERIFY(main.mdiArea()->activeSubWindow());
    QVERIFY(main.mdiArea()->activeSubWindow()->close());
    QVERIFY(!modPublic::ConsoleLoaded);
    main.activateWindow();
    main.setFocus();
    QTest::keyClick(&main, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(OpenConsole(main), console);
    QVERIFY(console->isVisible());
    QVERIFY(modPublic::ConsoleLoaded);
    QCOMPARE(console->txtConsoleLog->toPlainText(),
             QStringLiteral("Orvia Console Initilized - All Systems have been Enabled"));
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
    QCOMPARE(OpenConsole(main), nullptr);

    // The read-only text areas of the child windows copy as well.
    Item(main, "MnuDebugTextMass")->trigger();
    auto *window = main.findChild<FrmTextWindow *>();
    QVERIFY(window);
    window->txtNotepad->setFocus();
    QTest::keyClick(window->txtNotepad, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window->txtNotepad, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), window->Text());
    QCOMPARE(OpenConsole(main), nullptr);

    Item(main, "MnuViewClientConsole")->trigger();
    FrmClientConsole *console = OpenConsole(main);
    QVERIFY(console);
    console->sChoices->setCurrentIndex(0);
    console->txtConsoleLog->setFocus();
    console->txtConsoleLog->selectAll();
    QTest::keyClick(console->txtConsoleLog, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("Orvia Console Initilized - All Systems have been Enabled"));
}

QTEST_MAIN(TestDebugCommands)
#include "test_debug_commands.moc"
