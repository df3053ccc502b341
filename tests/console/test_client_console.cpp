#include "common/modPublic.h"
#include "console/ConsoleIcons.h"
#include "console/FrmClientConsole.h"
#include "logs/LogWriter.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString kGreeting = QStringLiteral("Orvia Console Initilized - All Systems have been Enabled");

bool HasIcon(const QTreeWidgetItem *item, const FrmClientConsole &console, int n)
{
    return item->icon(0).cacheKey() == console.ConsoleIcons->Icon(n).cacheKey();
}

}  // namespace

class TestClientConsole : public QObject {
    Q_OBJECT

private slots:
    // Opened, used, closed and opened again as a person would.
    void userSession()
    {
        ProgramFolder folder;
        auto owned = std::make_unique<FrmClientConsole>();
        FrmClientConsole &console = *owned;
        console.show();
        QCOMPARE(RegisteredLogSink(), static_cast<LogSink *>(&console));
        QCOMPARE(console.lstSystemLog->topLevelItemCount(), 3);
        QVERIFY(HasIcon(console.lstSystemLog->topLevelItem(2), console, 6));

        // The prompt cannot be deleted.
        console.sChoices->setCurrentIndex(0);
        QLineEdit *line = console.txtInput;
        line->setFocus();
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Backspace);
        QCOMPARE(line->text(), QStringLiteral(">>"));
        QCOMPARE(line->cursorPosition(), 2);

        // A command is answered under its echo; the line keeps it, so Enter repeats it.
        QTest::keyClicks(line, QStringLiteral("set debugmode on"));
        QTest::keyClick(line, Qt::Key_Return);
        QTest::keyClick(line, Qt::Key_Enter);
        const QString sAnswer = "\n\n>>set debugmode on\nDebugging Mode is active - All systems set to debug mode";
        QCOMPARE(console.txtConsoleLog->toPlainText(), kGreeting + sAnswer + sAnswer);
        QCOMPARE(console.txtConsoleLog->textCursor().position(), console.txtConsoleLog->document()->characterCount() - 1);
        // The input line stays at the bottom of its page.
        console.resize(420, 180);
        QVERIFY(console.txtInput->parentWidget()->height() - console.txtInput->geometry().bottom() < 12);

        // Log rows arrive while it is open, each with its icon; a priority that is no icon number gets none.
        QVERIFY(WriteEventLog({"Warned", "there", ""}, 2));
        QVERIFY(WriteErrorLog({"Test Error", "somewhere", "broken"}));
        QVERIFY(!WriteEventLog({"Odd", "x", "y"}, 7));
        QCOMPARE(console.LstEventLog->topLevelItemCount(), 1);
        const QTreeWidgetItem *row = console.LstEventLog->topLevelItem(0);
        QCOMPARE(row->text(1), QStringLiteral("Warned"));
        QCOMPARE(row->text(0), folder.LogLines(QStringLiteral("EventLog.txt")).value(0).section(QChar(0xA5), 0, 0));
        QVERIFY(HasIcon(row, console, 2));
        QCOMPARE(console.lstErrorLog->topLevelItem(0)->text(3), QStringLiteral("broken"));
        QVERIFY(HasIcon(console.lstErrorLog->topLevelItem(0), console, 4));

        // Hiding without closing (a minimised child) keeps everything; closed, it takes
        // no rows, and opened again it starts afresh.
        console.hide();
        console.show();
        QCOMPARE(console.LstEventLog->topLevelItemCount(), 1);
        QVERIFY(console.close());
        QCOMPARE(RegisteredLogSink(), nullptr);
        console.show();
        QCOMPARE(console.txtConsoleLog->toPlainText(), kGreeting);
        QCOMPARE(console.sChoices->currentIndex(), 3);
        QCOMPARE(console.LstEventLog->topLevelItemCount() + console.lstErrorLog->topLevelItemCount(), 0);

        // Destroyed while loaded, it leaves no sink behind.
        owned.reset();
        QCOMPARE(RegisteredLogSink(), nullptr);
        QVERIFY(WriteEventLog({"After", "a", "b"}, 1));
    }

    void failedErrorEntryLeavesTranscript()
    {
        ScriptedDialogs dialogs;
        ProgramFolder folder(false);
        FrmClientConsole console;
        console.show();
        QTest::keyClick(console.txtInput, Qt::Key_Return);
        QCOMPARE(console.txtConsoleLog->toPlainText(), kGreeting);
        QCOMPARE(console.lstErrorLog->topLevelItemCount(), 0);
        QCOMPARE(dialogs.messages.size(), 1);
        QTest::keyClicks(console.txtInput, QStringLiteral("get voicemode"));
        QTest::keyClick(console.txtInput, Qt::Key_Return);
        QVERIFY(console.txtConsoleLog->toPlainText().endsWith(QStringLiteral("Voice Mode is currently set to: False")));
    }

    void reopenedAfterMaximisedIsNormal()
    {
        ProgramFolder folder;
        QMdiArea area;
        area.resize(1000, 800);
        area.show();
        auto *console = new FrmClientConsole;
        QMdiSubWindow *sub = area.addSubWindow(console);
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        sub->show();
        const QSize normal = sub->size();
        sub->showMaximized();
        QVERIFY(sub->close());
        // Opened again as the main window does it.
        console->show();
        sub->show();
        QVERIFY(!sub->isMaximized());
        QCOMPARE(sub->size(), normal);
    }
};

QTEST_MAIN(TestClientConsole)
#include "test_client_console.moc"
