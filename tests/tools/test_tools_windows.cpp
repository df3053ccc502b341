#include "app/FrmMain.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "tools/FrmGenerateCRC.h"
#include "tools/FrmValidKeyword.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

QStringList Labels(const FrmValidKeyword &w)
{
    QStringList values;
    for (const char *name : {"lblProcess", "LblBlank", "LblComments", "lblKeywords", "lblmissing", "lblMissingRef", "lblErrors",
                             "lblStatements", "LblQuestions"}) {
        const auto *label = w.findChild<QLabel *>(QLatin1String(name));
        values << (label ? label->text() : QStringLiteral("(no %1)").arg(QLatin1String(name)));
    }
    return values;
}

void ClickRow(QListWidget *list, const QString &sName)
{
    const QList<QListWidgetItem *> items = list->findItems(sName, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(sName));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
}

}  // namespace

class TestToolsWindows : public QObject {
    Q_OBJECT

private slots:
    void validatorShowsCountersAndReport();
    void walkBlocksStartAndEndsOnClose();
    void saveWritesTheReportAsUtf8();
    void crcWindowListsAndComputes();
    void menuItemsOpenOneInstanceEach();
};

void TestToolsWindows::validatorShowsCountersAndReport()
{
    ProgramFolder folder;
    folder.WriteData(QStringLiteral("keywords.txt"), {QStringLiteral("/ c"), QString(), QStringLiteral("[r.txt]"),
                                                      QStringLiteral("0001 hi"), QStringLiteral("0002 Bye"), QStringLiteral("[gone.txt]")});
    folder.WriteData(QStringLiteral("r.txt"), {QStringLiteral("*0001"), QStringLiteral("# a"), QStringLiteral("# b"), QStringLiteral("$c?")});
    FrmValidKeyword w;
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Validate Keyword-Response System "));
    QStringList frames;
    for (const QGroupBox *box : w.findChildren<QGroupBox *>())
        frames << box->title();
    QCOMPARE(frames, (QStringList{QStringLiteral("Report"), QStringLiteral("Progress")}));
    QCOMPARE(Labels(w), QStringList(9, QStringLiteral("0")));

    w.cmdStart->click();
    QCOMPARE(Labels(w), (QStringList{"6", "1", "1", "2", "1", "1", "2", "2", "1"}));
    QCOMPARE(w.TxtReport->toPlainText(), QString(w.Validator().Report()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QVERIFY(w.TxtReport->toPlainText().startsWith(QStringLiteral("\nChecking Keyword: bye(Line: 5 Number: 0002)\n")));

    // Walking again after the files are mended shows every counter afresh, zeros included.
    folder.WriteData(QStringLiteral("keywords.txt"), {QStringLiteral("[r.txt]"), QStringLiteral("0001 hi")});
    w.cmdStart->click();
    QCOMPARE(Labels(w), (QStringList{"2", "0", "0", "1", "0", "0", "0", "2", "1"}));
    QVERIFY(w.TxtReport->toPlainText().endsWith(QStringLiteral("\nThe Operation was completed Successfully")));
}

void TestToolsWindows::walkBlocksStartAndEndsOnClose()
{
    ProgramFolder folder;
    folder.WriteData(QStringLiteral("keywords.txt"), {QStringLiteral("/ 1"), QStringLiteral("/ 2"), QStringLiteral("/ 3")});
    FrmValidKeyword w;
    w.show();
    QList<bool> enabled;
    connect(&w.Validator(), &KeywordValidator::LineDone, &w, [&] {
        enabled << w.cmdStart->isEnabled();
        QTest::mouseClick(w.cmdStart, Qt::LeftButton);  // must not start a second walk
        if (w.Validator().counts().LineCounter == 2)
            w.close();
    });
    w.cmdStart->click();
    QCOMPARE(enabled, (QList<bool>{false, false}));
    QVERIFY(!w.isVisible());
    QCOMPARE(w.lblProcess->text(), QStringLiteral("2"));
    QVERIFY(w.TxtReport->toPlainText().endsWith(QStringLiteral("\nValidation stopped after line 2 of keywords.txt")));
    QVERIFY(!w.TxtReport->toPlainText().contains(QStringLiteral("Validation Report Log")));
    QVERIFY(w.cmdStart->isEnabled());
}

void TestToolsWindows::saveWritesTheReportAsUtf8()
{
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    folder.WriteData(QStringLiteral("keywords.txt"), {QStringLiteral("[r.txt]"), QStringLiteral("0001 Grüße")});
    folder.WriteData(QStringLiteral("r.txt"), {QStringLiteral("*0002"), QStringLiteral("# x")});
    FrmValidKeyword w;
    w.show();
    w.cmdStart->click();
    const QString sPath = folder.Path() + QStringLiteral("/report.txt");
    const QString sBadPath = folder.Path() + QStringLiteral("/no such folder/report.txt");
    dialogs.saveAnswers = QStringList{sPath, QString(), sBadPath};
    w.cmdSave->click();
    QVERIFY(dialogs.messages.isEmpty());
    QFile file(sPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes, (w.Validator().Report() + QStringLiteral("\r\n")).toUtf8());
    QVERIFY(bytes.contains("\r\nChecking Keyword: gr\xc3\xbc\xc3\x9f" "e(Line: 2 Number: 0001)\r\n"));

    w.cmdSave->click();  // cancelled: nothing written, nothing said
    QVERIFY(dialogs.messages.isEmpty());
    w.cmdSave->click();
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages[0].sText.contains(sBadPath));
    QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Critical);
}

void TestToolsWindows::crcWindowListsAndComputes()
{
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    folder.WriteDataBytes(QStringLiteral("digits.txt"), "123456789");
    folder.WriteDataBytes(QStringLiteral("Empty.txt"), "");
    folder.WriteDataBytes(QStringLiteral("gone.txt"), "abc");
    folder.WriteDataBytes(QStringLiteral("sub/inside.txt"), "x");
    FrmGenerateCRC w;
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Generate CRC String"));
    QStringList rows;
    for (int i = 0; i < w.Files->count(); ++i)
        rows << w.Files->item(i)->text();
    QCOMPARE(rows, (QStringList{QStringLiteral("digits.txt"), QStringLiteral("Empty.txt"), QStringLiteral("gone.txt")}));
    QVERIFY(w.Label1->text().isEmpty() && w.Label2->text().isEmpty());
    QVERIFY(w.Text1->isReadOnly());

    w.Command1->click();  // nothing picked yet
    QVERIFY(!w.Text1->isEnabled());

    // Removed after the list was filled: no size is made up for it.
    QVERIFY(QFile::remove(folder.DataPath(QStringLiteral("gone.txt"))));
    ClickRow(w.Files, QStringLiteral("gone.txt"));
    QVERIFY(!w.Label2->text().isEmpty() && !w.Label2->text().contains(QLatin1String("Bytes")));
    w.Command1->click();
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].sTitle, QStringLiteral("Zem CRC Wizard v1.00"));
    QVERIFY(w.Text1->text().isEmpty());
    QVERIFY(!w.Text1->isEnabled());

    ClickRow(w.Files, QStringLiteral("digits.txt"));
    QCOMPARE(w.Label1->text(), QStringLiteral("digits.txt"));
    QCOMPARE(w.Label2->text(), QStringLiteral("Size: 9 Bytes"));
    w.Command1->click();
    QVERIFY(w.Text1->isEnabled());
    QCOMPARE(w.Text1->text(), QStringLiteral("CBF43926"));

    ClickRow(w.Files, QStringLiteral("Empty.txt"));
    QCOMPARE(w.Label2->text(), QStringLiteral("Size: 0 Bytes"));
    w.Command1->click();
    QCOMPARE(w.Text1->text(), QStringLiteral("0       "));

    // Showing the window again lists the folder again.
    w.hide();
    folder.WriteDataBytes(QStringLiteral("added.txt"), "a");
    w.show();
    QCOMPARE(w.Files->count(), 3);
    QCOMPARE(w.Files->item(0)->text(), QStringLiteral("added.txt"));
}

void TestToolsWindows::menuItemsOpenOneInstanceEach()
{
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    FrmMain main;
    main.show();
    for (const char *item : {"MnuDebugValidKeyword", "MnuDebugGenerateCRC"}) {
        auto *action = main.findChild<QAction *>(QLatin1String(item));
        QVERIFY(action);
        action->trigger();
        QWidget *first = QApplication::activeModalWidget();
        QVERIFY(first && first->isWindow());
        QCOMPARE(first->parentWidget(), &main);
        first->close();
        QVERIFY(!QApplication::activeModalWidget());
        action->trigger();
        QCOMPARE(QApplication::activeModalWidget(), first);
        first->close();
    }
    QVERIFY(main.findChild<FrmValidKeyword *>(QStringLiteral("FrmValidKeyword")));
    QVERIFY(main.findChild<FrmGenerateCRC *>(QStringLiteral("FrmGenerateCRC")));
}

QTEST_MAIN(TestToolsWindows)
#include "test_tools_windows.moc"
