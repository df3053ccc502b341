#include "app/FrmMain.h"
#include "support/ProgramFolder.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>

class TestFrmMain : public QObject {
    Q_OBJECT

private slots:
    void captionAndBanner();
    void menuItems_data();
    void menuItems();
    void topLevelOrder();
    void hiddenMenus_data();
    void hiddenMenus();
    void arrangement();
    void exitCloses();
};

void TestFrmMain::captionAndBanner()
{
    FrmMain main;
    QCOMPARE(main.objectName(), QString("FrmMain"));
    QCOMPARE(main.windowTitle(), QString("File Window - Orvia "));
    auto *banner = main.findChild<QLabel *>("Banner");
    QVERIFY(banner);
    QCOMPARE(banner->text(), QString("Orvia - The Chatterbot"));
    QCOMPARE(banner->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(banner->font().pointSize(), 36);
}

void TestFrmMain::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("parentMenu");
    auto row = [](const char *name, const char *caption, QKeySequence key, bool visible, const char *parent) {
        QTest::newRow(name) << QString(name) << QString(caption) << key << visible << QString(parent);
    };
    row("MnuFileExit", "&Exit", QKeySequence("Ctrl+E"), true, "mnufile");
    row("MnuViewClientConsole", "Client Console", QKeySequence("Ctrl+C"), true, "MnuView");
    row("MnuKezGoto", "&Talk to Orvia", QKeySequence("Ctrl+T"), true, "MnuKez");
    row("mnuDebugTestKez", "&Orvia and Orvia", QKeySequence("Ctrl+L"), true, "MnuKez");
    row("MnuKezConfigure", "&Configure", QKeySequence(), false, "MnuKez");
    row("MnuDebugMode", "Debug Mode", QKeySequence(), true, "MnuDebugging");
    row("MnuDebugSimEvent", "Event Log Message", QKeySequence(), true, "MnuDebugSimulate");
    row("MnuDebugSimError", "Error Log Message", QKeySequence(), true, "MnuDebugSimulate");
    row("MnuDebugSimConverse", "Simulate Conversation", QKeySequence(), false, "MnuDebugSimulate");
    row("MnuDebugKeyword", "&Keyword Lookup", QKeySequence(), true, "mnuDebugTest");
    row("MnuDebugTextMass", "&Mass Keyword Lookup ", QKeySequence(), true, "mnuDebugTest");
    row("MnuDebugValidKeyword", "&Keyword-Response System", QKeySequence(), true, "MnuDebugValid");
    row("MnuDebugGenerateCRC", "&CRC String", QKeySequence(), true, "MnuDebugGenerate");
    row("mnuWindowCascade", "&Cascade", QKeySequence(), true, "mnuWindow");
    row("mnuWindowTileHorizontal", "Tile &Horizontal", QKeySequence(), true, "mnuWindow");
    row("mnuWindowTileVertical", "Tile &Vertical", QKeySequence(), true, "mnuWindow");
    row("mnuTextTalk", "&Talk to Orvia", QKeySequence("F1"), true, "mnuText");
    row("mnuTextOrvia", "&Orvia and Orvia", QKeySequence("F2"), true, "mnuText");
    row("MnuHelpAbout", "&About", QKeySequence(), true, "MnuHelp");
}

void TestFrmMain::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, visible);
    QFETCH(QString, parentMenu);
    FrmMain main;
    auto *menu = main.findChild<QMenu *>(parentMenu);
    QVERIFY(menu);
    QAction *item = nullptr;
    for (QAction *a : menu->actions())
        if (a->objectName() == name)
            item = a;
    QVERIFY2(item, qPrintable(name));
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
    QCOMPARE(item->isVisible(), visible);
}

void TestFrmMain::topLevelOrder()
{
    FrmMain main;
    QStringList names;
    for (QAction *a : main.menuBar()->actions())
        names << a->objectName();
    QCOMPARE(names, (QStringList{"mnufile", "MnuView", "MnuKez", "MnuDebugging", "mnuWindow", "mnuText", "MnuHelp"}));
    QStringList debugging;
    for (QAction *a : main.MnuDebugging->actions())
        debugging << a->objectName();
    QCOMPARE(debugging, (QStringList{"MnuDebugMode", "MnuDebugSep1", "MnuDebugSimulate", "mnuDebugTest", "MnuDebugValid",
                                     "MnuDebugGenerate"}));
    QVERIFY(main.MnuDebugMode->isCheckable());
    QVERIFY(!main.MnuDebugMode->isChecked());
    QVERIFY(main.MnuDebugSep1->isSeparator());
    QVERIFY(main.mnuspacer5->isSeparator());
    QVERIFY(main.MnuDebugSimSep1->isSeparator() && !main.MnuDebugSimSep1->isVisible());
}

void TestFrmMain::hiddenMenus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("visible");
    for (const char *hidden : {"MnuView", "mnuWindow", "MnuDebugSimulate", "MnuDebugValid", "MnuDebugGenerate"})
        QTest::newRow(hidden) << QString(hidden) << false;
    for (const char *shown : {"mnufile", "MnuKez", "MnuDebugging", "mnuDebugTest", "mnuText", "MnuHelp"})
        QTest::newRow(shown) << QString(shown) << true;
}

void TestFrmMain::hiddenMenus()
{
    QFETCH(QString, name);
    QFETCH(bool, visible);
    FrmMain main;
    auto *menu = main.findChild<QMenu *>(name);
    QVERIFY(menu);
    QCOMPARE(menu->menuAction()->isVisible(), visible);
}

void TestFrmMain::arrangement()
{
    FrmMain main;
    main.resize(800, 600);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.mnuWindowCascade->trigger();  // nothing open: nothing happens
    auto *a = new QTextEdit;
    auto *b = new QTextEdit;
    QMdiSubWindow *subA = main.ShowChild(a);
    QMdiSubWindow *subB = main.ShowChild(b);
    QCOMPARE(main.ShowChild(a), subA);  // already open: brought forward, not added again
    QCOMPARE(main.mdiArea()->subWindowList().size(), 2);
    QCOMPARE(main.mdiArea()->activeSubWindow(), subA);
    main.mnuWindowTileVertical->trigger();
    QCOMPARE(subA->y(), subB->y());
    QVERIFY(subA->x() != subB->x());
    main.mnuWindowTileHorizontal->trigger();
    QCOMPARE(subA->x(), subB->x());
    QVERIFY(subA->y() != subB->y());
    main.mnuWindowCascade->trigger();
    QVERIFY(subA->pos() != subB->pos());
}

void TestFrmMain::exitCloses()
{
    FrmMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.MnuFileExit->trigger();
    QVERIFY(!main.isVisible());
}

QTEST_MAIN(TestFrmMain)
#include "test_frm_main.moc"
