#include "app/FrmMain.h"

#include <QAction>
#include <QLabel>
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

void Trigger(const FrmMain &main, const char *name)
{
    main.findChild<QAction *>(QLatin1String(name))->trigger();
}

}  // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

private slots:
    void captionAndBanner();
    void menuTree();
    void arrangement();
    void exitCloses();
};

void TestFrmMain::captionAndBanner()
{
    FrmMain main;
    QCOMPARE(main.windowTitle(), QString("File Window - Orvia "));
    auto *banner = main.findChild<QLabel *>("Banner");
    QVERIFY(banner);
    QCOMPARE(banner->text(), QString("Orvia - The Chatterbot"));
    QCOMPARE(banner->palette().color(QPalette::Window), QColor(Qt::white));
}

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

void TestFrmMain::arrangement()
{
    FrmMain main;
    main.resize(800, 600);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    Trigger(main, "mnuWindowCascade");  // nothing open: nothing happens
    auto *a = new QTextEdit;
    QMdiSubWindow *subA = main.ShowChild(a);
    QMdiSubWindow *subB = main.ShowChild(new QTextEdit);
    QCOMPARE(main.ShowChild(a), subA);  // already open: brought forward, not added again
    QCOMPARE(main.mdiArea()->subWindowList().size(), 2);
    QCOMPARE(main.mdiArea()->activeSubWindow(), subA);
    Trigger(main, "mnuWindowTileVertical");
    QVERIFY(subA->y() == subB->y() && subA->x() != subB->x());
    Trigger(main, "mnuWindowTileHorizontal");
    QVERIFY(subA->x() == subB->x() && subA->y() != subB->y());
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
