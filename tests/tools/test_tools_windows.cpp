#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "tools/CRCfile.h"
#include "tools/FrmGenerateCRC.h"
#include "tools/FrmValidKeyword.h"

#include <QFile>
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
    // A walk fills the counters and the report, which saves as UTF-8 with CR LF.
    void validatorCountsReportsAndSaves()
    {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        folder.WriteData("keywords.txt", {"/ c", "", "[r.txt]", "0001 hi", QString::fromUtf8("0002 Grüße"), "[gone.txt]"});
        folder.WriteData("r.txt", {"*0001", "# a", "# b", "$c?"});
        FrmValidKeyword w;
        w.show();
        w.cmdStart->click();
        QCOMPARE(Labels(w), (QStringList{"6", "1", "1", "2", "1", "1", "2", "2", "1"}));
        QCOMPARE(w.TxtReport->toPlainText(), QString(w.Validator().Report()).replace("\r\n", "\n"));
        const QString sPath = folder.Path() + "/report.txt";
        dialogs.saveAnswers = QStringList{sPath, folder.Path() + "/no such folder/report.txt"};
        w.cmdSave->click();
        QFile file(sPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), (w.Validator().Report() + "\r\n").toUtf8());
        w.cmdSave->click();
        QCOMPARE(dialogs.messages.size(), 1);  // the bad path is reported
        // Walking again after the files are mended shows every counter afresh, zeros included.
        folder.WriteData("keywords.txt", {"[r.txt]", "0001 hi"});
        w.cmdStart->click();
        QCOMPARE(Labels(w), (QStringList{"2", "0", "0", "1", "0", "0", "0", "2", "1"}));
    }

    void walkBlocksStartAndEndsOnClose()
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
        QVERIFY(w.TxtReport->toPlainText().endsWith(QStringLiteral("\nValidation stopped after line 2 of keywords.txt")));
        QVERIFY(!w.TxtReport->toPlainText().contains(QStringLiteral("Validation Report Log")));
        QVERIFY(w.cmdStart->isEnabled());
    }

    void crcWindowListsAndComputes()
    {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        folder.WriteDataBytes(QStringLiteral("digits.txt"), "123456789");
        folder.WriteDataBytes(QStringLiteral("gone.txt"), "abc");
        folder.WriteDataBytes(QStringLiteral("sub/inside.txt"), "x");
        FrmGenerateCRC w;
        w.show();
        QCOMPARE(w.Files->count(), 2);  // the files of data/, not its folders
        ClickRow(w.Files, QStringLiteral("digits.txt"));
        QVERIFY(w.Label2->text().contains(QLatin1String(" 9 Bytes")));
        w.Command1->click();
        QCOMPARE(w.Text1->text(), QStringLiteral("CBF43926"));
        // Removed after the list was filled: no size is made up, and one box says so.
        QVERIFY(QFile::remove(folder.DataPath(QStringLiteral("gone.txt"))));
        ClickRow(w.Files, QStringLiteral("gone.txt"));
        QVERIFY(!w.Label2->text().contains(QLatin1String("Bytes")));
        w.Command1->click();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].sText, CRCfile::kReadFailure.sText);
        QCOMPARE(dialogs.messages[0].sTitle, CRCfile::kWizardTitle);
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QVERIFY(w.Text1->text().isEmpty());
        // Showing the window again lists the folder again.
        w.hide();
        w.show();
        QCOMPARE(w.Files->count(), 1);
    }
};

QTEST_MAIN(TestToolsWindows)
#include "test_tools_windows.moc"
