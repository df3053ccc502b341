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
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>

namespace {

// One line per menu entry: depth, name, caption, shortcut, and what is off.
void Describe(const QList<QAction *> &actions, int depth, QStringList &out)
{
    for (QAction *a : actions) {
        QString s = QString(depth, '>') + a->objectName();
        if (!a->isSeparator())
            s += " \"" + a->text() + "\"";
        if (!a->shortcut().isEmpty())
            s += " " + a->shortcut().toString();
        if (a->isSeparator())
            s += " separator";
        if (!a->isVisible())
            s += " hidden";
        if (a->isCheckable())
            s += a->isChecked() ? " checked" : " unchecked";
        out << s;
        if (a->menu())
            Describe(a->menu()->actions(), depth + 1, out);
    }
}

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
    void menuTree();
    void itemsOpenOneInstanceEach_data();
    void itemsOpenOneInstanceEach();
    void arrangementAndWindowList();
    void exitCloses();
};

void TestFrmMain::menuTree()
{
    FrmMain main;
    QStringList tree;
    Describe(main.menuBar()->actions(), 0, tree);
    const QStringList expected{
        "mnufile \"&File\"", ">MnuFileExit \"&Exit\" Ctrl+E", ">mnuspacer5 separator",
        "MnuView \"&View\" hidden", ">MnuViewClientConsole \"Client Console\" Ctrl+C",
        "MnuKez \"&Orvia\"", ">MnuKezGoto \"&Talk to Orvia\" Ctrl+T", ">mnuDebugTestKez \"&Orvia and Orvia\" Ctrl+L",
        ">MnuKezConfigure \"&Configure\" hidden",
        "MnuDebugging \"&Debugging\"", ">MnuDebugMode \"Debug Mode\" unchecked", ">MnuDebugSep1 separator",
        ">MnuDebugSimulate \"&Simulate...\" hidden", ">>MnuDebugSimEvent \"Event Log Message\"",
        ">>MnuDebugSimError \"Error Log Message\"", ">>MnuDebugSimSep1 separator hidden",
        ">>MnuDebugSimConverse \"Simulate Conversation\" hidden",
        ">mnuDebugTest \"&Test...\"", ">>MnuDebugKeyword \"&Keyword Lookup\"", ">>MnuDebugTextMass \"&Mass Keyword Lookup \"",
        ">MnuDebugValid \"&Validate...\" hidden", ">>MnuDebugValidKeyword \"&Keyword-Response System\"",
        ">MnuDebugGenerate \"&Generate...\" hidden", ">>MnuDebugGenerateCRC \"&CRC String\"",
        "mnuWindow \"&Window\" hidden", ">mnuWindowCascade \"&Cascade\"", ">mnuWindowTileHorizontal \"Tile &Horizontal\"",
        ">mnuWindowTileVertical \"Tile &Vertical\"",
        "mnuText \"Text &Only\"", ">mnuTextTalk \"&Talk to Orvia\" F1", ">mnuTextOrvia \"&Orvia and Orvia\" F2",
        "MnuHelp \"&Help\"", ">MnuHelpAbout \"&About\"",
    };
    QCOMPARE(tree, expected);
}

void TestFrmMain::itemsOpenOneInstanceEach_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("userName");  // as the window's load leaves it
    QTest::newRow("talk") << "MnuKezGoto" << "FrmChecker" << "User";
    QTest::newRow("simulate conversation") << "MnuDebugSimConverse" << "FrmChecker" << "User";
    QTest::newRow("text only") << "mnuTextTalk" << "FrmOrvia" << "User";
    QTest::newRow("orvia and orvia") << "mnuDebugTestKez" << "KezOnKez" << "Orvia";
    QTest::newRow("text only orvia and orvia") << "mnuTextOrvia" << "OrviaOnOrvia" << "Orvia";
    QTest::newRow("about") << "MnuHelpAbout" << "frmAbout" << "Sam";
    QTest::newRow("validator") << "MnuDebugValidKeyword" << "FrmValidKeyword" << "Sam";
    QTest::newRow("crc") << "MnuDebugGenerateCRC" << "FrmGenerateCRC" << "Sam";
}

void TestFrmMain::itemsOpenOneInstanceEach()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    QFETCH(QString, userName);
    ProgramFolder folder;
    WriteKnowledge(folder);
    ScriptedDialogs dialogs;
    FrmMain main;
    main.show();
    QWidget *first = nullptr;
    for (int n = 0; n < 2; ++n) {
        modPublic::UserName = QStringLiteral("Sam");
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

void TestFrmMain::arrangementAndWindowList()
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
}

void TestFrmMain::exitCloses()
{
    FrmMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    Trigger(main, "MnuFileExit");
    QVERIFY(!main.isVisible());
}

QTEST_MAIN(TestFrmMain)
#include "test_frm_main.moc"
