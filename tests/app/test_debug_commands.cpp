#include "app/FrmMain.h"
#include "app/FrmTextWindow.h"
#include "common/modPublic.h"
#include "console/FrmClientConsole.h"
#include "support/Knowledge.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

void Trigger(FrmMain &main, const QString &sName)
{
    main.findChild<QAction *>(sName)->trigger();
}

void Enter(FrmClientConsole *console, const QString &sCommand)
{
    QTest::keyClicks(console->txtInput, sCommand);
    QTest::keyClick(console->txtInput, Qt::Key_Return);
}

}  // namespace

class TestDebugCommands : public QObject {
    Q_OBJECT

private slots:
    void debugModeFollowsTheCheckMark()
    {
        ProgramFolder folder;
        FrmMain main;
        main.show();
        auto *mode = main.findChild<QAction *>("MnuDebugMode");
        for (bool on : {true, false}) {
            mode->trigger();
            QVERIFY(mode->isChecked() == on && modPublic::DebugMode == on);
        }
        // The console's command changes the flag only; the next click follows the check mark.
        Trigger(main, "MnuViewClientConsole");
        Enter(main.findChild<FrmClientConsole *>(), QStringLiteral("set debugmode on"));
        QVERIFY(modPublic::DebugMode && !mode->isChecked());
        mode->trigger();
        QVERIFY(modPublic::DebugMode && mode->isChecked());
    }

    // Each command shows its boxes, then writes one entry; without a logs folder
    // it says so once and the next command runs all the same.
    void logEntries_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("answers");  // to the input box
        QTest::addColumn<QString>("userName");     // before and after
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("line");  // the entry without its date
        const QString lookup = QStringLiteral("A Keyword lookup is being simulated...");
        const QString result = QStringLiteral("EventLog.txt:Test Result¥Debug Menu --> Test¥");
        QTest::newRow("event") << "MnuDebugSimEvent" << QStringList{} << "|" << QStringList{"An Event is being written to the event log..."}
                               << "EventLog.txt:Test Event¥Debugging Menu -> Simulate¥ A Test Event with Priority 1 has been added to the event log¥1";
        QTest::newRow("error") << "MnuDebugSimError" << QStringList{} << "|" << QStringList{"An Error is being written to the Error log..."}
                               << "ErrorLog.txt:Test Error¥Debugging Menu -> Simulate¥ A Test Error with Priority 1 has been added to the event log";
        QTest::newRow("lookup") << "MnuDebugKeyword" << QStringList{"well hello"} << "|Vask" << QStringList{lookup, "hello Vask, how are you"}
                                << result + "hello Vask, how are you¥1";
        QTest::newRow("lookup, name kept") << "MnuDebugKeyword" << QStringList{"hello"} << "Ann|Ann" << QStringList{lookup, "hello Ann, how are you"}
                                           << result + "hello Ann, how are you¥1";
        QTest::newRow("lookup, no keyword") << "MnuDebugKeyword" << QStringList{"goodbye"} << "|Vask" << QStringList{lookup, ""} << result + "¥1";
        QTest::newRow("lookup, cancelled") << "MnuDebugKeyword" << QStringList{} << "|Vask" << QStringList{lookup} << result + "¥1";
    }
    void logEntries()
    {
        QFETCH(QString, item);
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
            FrmMain main;
            for (int run = 1; run <= 2; ++run) {
                dialogs.answers = answers;
                Trigger(main, item);
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

    // The mass lookup fills one text window, whose buttons copy, select and clear;
    // text boxes take Ctrl+C as copy, and elsewhere it opens the console.
    void massLookupTextWindowAndCtrlC()
    {
        KnowledgeFixture kb;
        kb.dialogs.answers = QStringList{"goodbye", "", "hello there", "well hello"};
        FrmMain main;
        auto *edit = new QLineEdit(QStringLiteral("copy me please"));
        main.mdiArea()->addSubWindow(edit)->show();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        // No keyword, then cancelled: no window.
        Trigger(main, "MnuDebugTextMass");
        Trigger(main, "MnuDebugTextMass");
        QCOMPARE(main.findChild<FrmTextWindow *>(), nullptr);
        QCOMPARE(modPublic::UserName, QStringLiteral("Vask"));

        Trigger(main, "MnuDebugTextMass");
        auto *window = main.findChild<FrmTextWindow *>();
        QVERIFY(window && window->isVisible());
        QStringList expected{QStringLiteral(" Generating responses for 'hello'..."), QString()};
        for (int n = 1; n <= 20; ++n)
            expected << QString::number(n) + QStringLiteral(" - hello Vask, how are you");
        QCOMPARE(window->Text().split('\n'), expected);
        // A second run replaces the text in the same window.
        kb.folder.WriteData(QStringLiteral("greetings.txt"), {"*0001", "# again", "*"});
        Trigger(main, "MnuDebugTextMass");
        QCOMPARE(main.findChildren<FrmTextWindow *>().size(), 1);
        QCOMPARE(window->Text().split('\n').value(21), QStringLiteral("20 - again"));
        QVERIFY(kb.dialogs.messages.isEmpty() && kb.folder.LogLines(QStringLiteral("EventLog.txt")).isEmpty());

        QClipboard *clipboard = QGuiApplication::clipboard();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), edit->text());
        // In the read-only box Ctrl+C copies the selection; the Copy button the whole text.
        QPlainTextEdit *notepad = window->txtNotepad;
        notepad->setFocus();
        QTextCursor cursor = notepad->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(3, QTextCursor::KeepAnchor);
        notepad->setTextCursor(cursor);
        QTest::keyClick(notepad, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), window->Text().mid(1, 2));
        QTest::mouseClick(window->Command2, Qt::LeftButton);
        QCOMPARE(clipboard->text(), window->Text());
        QTest::mouseClick(window->Command1, Qt::LeftButton);
        QCOMPARE(notepad->textCursor().selectedText(), QString(window->Text()).replace('\n', QChar(0x2029)));
        QTest::mouseClick(window->Command3, Qt::LeftButton);
        QTest::mouseClick(window->Command2, Qt::LeftButton);
        QVERIFY(window->Text().isEmpty() && clipboard->text().isEmpty());
        QVERIFY(notepad->hasFocus());  // the buttons leave the focus where it was

        // Elsewhere it opens the console; asked again while open, it only brings it forward.
        QCOMPARE(main.findChild<FrmClientConsole *>(), nullptr);
        main.activateWindow();
        main.setFocus();
        QTest::keyClick(&main, Qt::Key_C, Qt::ControlModifier);
        auto *console = main.findChild<FrmClientConsole *>();
        QVERIFY(console && console->isVisible() && modPublic::ConsoleLoaded);
        Enter(console, QStringLiteral("get voicemode"));
        const QString transcript = console->txtConsoleLog->toPlainText();
        Trigger(main, "MnuViewClientConsole");
        QCOMPARE(main.findChildren<FrmClientConsole *>().size(), 1);
        QCOMPARE(console->txtConsoleLog->toPlainText(), transcript);
    }
};

QTEST_MAIN(TestDebugCommands)
#include "test_debug_commands.moc"
