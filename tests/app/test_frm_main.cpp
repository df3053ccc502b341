#include "app/FrmMain.h"
#include "common/modPublic.h"
#include "support/Knowledge.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
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
};

QTEST_MAIN(TestFrmMain)
#include "test_frm_main.moc"
