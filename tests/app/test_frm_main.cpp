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
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

namespace {

void Trigger(const FrmMain &main, const QString &sName)
{
    auto *action = main.findChild<QAction *>(sName);
    QVERIFY2(action, qPrintable(sName));
    action->trigger();
}

}  // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

private slots:
    void itemsOpenOneInstanceEach_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("userName");  // as the window's load leaves it
        QTest::addColumn<QKeySequence>("keys");  // opens it the second time
        QTest::newRow("talk") << "MnuKezGoto" << "FrmChecker" << "User" << QKeySequence("Ctrl+T");
        QTest::newRow("simulate conversation") << "MnuDebugSimConverse" << "FrmChecker" << "User" << QKeySequence();
        QTest::newRow("text only") << "mnuTextTalk" << "FrmOrvia" << "User" << QKeySequence("F1");
        QTest::newRow("orvia and orvia") << "mnuDebugTestKez" << "KezOnKez" << "Orvia" << QKeySequence("Ctrl+L");
        QTest::newRow("text only orvia and orvia") << "mnuTextOrvia" << "OrviaOnOrvia" << "Orvia" << QKeySequence("F2");
        QTest::newRow("about") << "MnuHelpAbout" << "frmAbout" << "Sam" << QKeySequence();
        QTest::newRow("validator") << "MnuDebugValidKeyword" << "FrmValidKeyword" << "Sam" << QKeySequence();
        QTest::newRow("crc") << "MnuDebugGenerateCRC" << "FrmGenerateCRC" << "Sam" << QKeySequence();
    }

    void itemsOpenOneInstanceEach()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        QFETCH(QString, userName);
        QFETCH(QKeySequence, keys);
        ProgramFolder folder;
        WriteKnowledge(folder);
        ScriptedDialogs dialogs;
        FrmMain main;
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QWidget *first = nullptr;
        for (int n = 0; n < 2; ++n) {
            modPublic::UserName = QStringLiteral("Sam");
            if (n == 1 && !keys.isEmpty())
                QTest::keySequence(&main, keys);
            else
                Trigger(main, item);
            QWidget *shown = QApplication::activeModalWidget();
            QVERIFY(shown);
            QCOMPARE(shown->objectName(), window);
            QCOMPARE(shown->parentWidget(), &main);
            if (first)
                QCOMPARE(shown, first);  // closed, not deleted: the same window loads again
            first = shown;
            QCOMPARE(modPublic::UserName, userName);
            shown->close();
            QVERIFY(!QApplication::activeModalWidget());
        }
        QVERIFY(dialogs.messages.isEmpty());
    }

    void arrangementAndWindowList()
    {
        FrmMain main;
        main.resize(800, 600);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        Trigger(main, "mnuWindowCascade");  // nothing open: nothing happens
        auto *a = new QTextEdit;
        a->setWindowTitle("A");
        QMdiSubWindow *subA = main.ShowChild(a);
        QMdiSubWindow *subB = main.ShowChild(new QTextEdit);
        subB->setWindowTitle("B");
        QCOMPARE(main.ShowChild(a), subA);  // already open: brought forward, not added again
        QCOMPARE(main.mdiArea()->subWindowList().size(), 2);
        QCOMPARE(main.mdiArea()->activeSubWindow(), subA);
        Trigger(main, "mnuWindowTileVertical");
        QVERIFY(subA->y() == subB->y() && subA->x() != subB->x());
        QCOMPARE(subA->height(), main.mdiArea()->viewport()->height());
        Trigger(main, "mnuWindowTileHorizontal");
        QVERIFY(subA->x() == subB->x() && subA->y() != subB->y());
        QCOMPARE(subA->width(), main.mdiArea()->viewport()->width());

        // The Window menu lists the open children, the active one checked, each time it opens.
        auto *menu = main.findChild<QMenu *>("mnuWindow");
        for (int n = 0; n < 2; ++n) {
            emit menu->aboutToShow();
            QStringList listed;
            for (QAction *action : menu->actions().mid(3))
                listed << action->text() + (action->isChecked() ? "*" : "");
            QCOMPARE(listed, (QStringList{"", "A*", "B"}));
        }
        menu->actions().last()->trigger();
        QCOMPARE(main.mdiArea()->activeSubWindow(), subB);

        // A closed child comes back with its content when shown again.
        subA->close();
        main.ShowChild(a);
        QVERIFY(subA->isVisible() && a->isVisible());
        Trigger(main, "MnuFileExit");
        QVERIFY(!main.isVisible());
    }

    // The Debugging menu's own parts: the check mark, the mass lookup's window with its
    // buttons, and Ctrl+C, which copies in text boxes and opens the console elsewhere.
    void debuggingMenu()
    {
        KnowledgeFixture kb;
        ScriptedDialogs dialogs;
        dialogs.answers = QStringList{"hello there", "well hello"};
        FrmMain main;
        auto *edit = new QLineEdit(QStringLiteral("copy me please"));
        main.mdiArea()->addSubWindow(edit)->show();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto *mode = main.findChild<QAction *>("MnuDebugMode");
        mode->trigger();
        QVERIFY(mode->isChecked() && modPublic::DebugMode);

        Trigger(main, "MnuDebugTextMass");
        auto *window = main.findChild<FrmTextWindow *>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->Text().split('\n').value(21), QStringLiteral("20 - hello Vask, how are you"));
        // A second run replaces the text in the same window.
        kb.folder.WriteData(QStringLiteral("greetings.txt"), {"*0001", "# again", "*"});
        Trigger(main, "MnuDebugTextMass");
        QCOMPARE(main.findChildren<FrmTextWindow *>().size(), 1);
        QCOMPARE(window->Text().split('\n').value(21), QStringLiteral("20 - again"));

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

        // Elsewhere Ctrl+C opens the console; asked again while open, it only brings it forward.
        QCOMPARE(main.findChild<FrmClientConsole *>(), nullptr);
        main.activateWindow();
        main.setFocus();
        QTest::keyClick(&main, Qt::Key_C, Qt::ControlModifier);
        auto *console = main.findChild<FrmClientConsole *>();
        QVERIFY(console && console->isVisible());
        QTest::keyClicks(console->txtInput, QStringLiteral("set debugmode off"));
        QTest::keyClick(console->txtInput, Qt::Key_Return);
        const QString transcript = console->txtConsoleLog->toPlainText();
        Trigger(main, "MnuViewClientConsole");
        QCOMPARE(main.findChildren<FrmClientConsole *>().size(), 1);
        QCOMPARE(console->txtConsoleLog->toPlainText(), transcript);
        // The console's command changed the flag only; the next click follows the check mark.
        QVERIFY(!modPublic::DebugMode && mode->isChecked());
        mode->trigger();
        QVERIFY(!modPublic::DebugMode && !mode->isChecked());
    }

    // Checked, Debug Mode shows a botmaster's menus and writes under every answer of
    // a chat window why it came; unchecked, the window is as it always was.
    void debugModeShowsWhy()
    {
        KnowledgeFixture kb;
        FrmMain main;
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        const auto menusShown = [&] {
            QStringList shown;
            for (const char *sName : {"MnuView", "MnuDebugSimulate", "MnuDebugValid", "MnuDebugGenerate"})
                if (main.findChild<QMenu *>(sName)->menuAction()->isVisible())
                    shown << sName;
            return shown.size();
        };
        QCOMPARE(menusShown(), 0);
        const auto chat = [&](const QStringList &lines) {
            Trigger(main, "MnuKezGoto");
            auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            auto *input = window->findChild<QLineEdit *>("InputArea");
            for (const QString &sLine : lines) {
                QTest::keyClicks(input, sLine);
                QTest::keyClick(input, Qt::Key_Return);
            }
            const QString sTranscript = window->findChild<QTextEdit *>("ResponseArea")->toPlainText();
            window->close();
            return sTranscript;
        };
        Trigger(main, "MnuDebugMode");
        QCOMPARE(menusShown(), 4);
        const QString sTraced = chat({"Sam", "hello there"});
        QVERIFY2(sTraced.contains("\n    main index data/keywords.txt:"), qPrintable(sTraced));
        QVERIFY2(sTraced.contains("\n    answer data/"), qPrintable(sTraced));

        Trigger(main, "MnuDebugMode");
        QCOMPARE(menusShown(), 0);
        const QString sPlain = chat({"Sam", "hello there"});
        QVERIFY2(!sPlain.contains("\n    "), qPrintable(sPlain));
    }

    // A long text pasted into the input box is taken whole.
    void longPaste()
    {
        KnowledgeFixture kb;
        FrmMain main;
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        Trigger(main, "MnuKezGoto");
        auto *input = QApplication::activeModalWidget()->findChild<QLineEdit *>("InputArea");
        QGuiApplication::clipboard()->setText(QString(40000, u'a'));
        input->paste();
        QCOMPARE(input->text().size(), 40000);
        QApplication::activeModalWidget()->close();
    }
};

QTEST_MAIN(TestFrmMain)
#include "test_frm_main.moc"
