#include "common/modPublic.h"
#include "console/ConsoleIcons.h"
#include "console/FrmClientConsole.h"
#include "console/LogWriter.h"
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
    void userSession();
    void failedErrorEntryLeavesTranscript();
    void resizeKeepsInputAtTheBottom();
    void reopenedAfterMaximisedIsNormal();
};

// Opened, used, closed and opened again as a person would.
void TestClientConsole::userSession()
{
    ProgramFolder folder;
    auto owned = std::make_unique<FrmClientConsole>();
    FrmClientConsole &console = *owned;
    QVERIFY(!modPublic::ConsoleLoaded);
    console.show();
    QVERIFY(modPublic::ConsoleLoaded);
    QCOMPARE(RegisteredLogSink(), static_cast<LogSink *>(&console));
    QCOMPARE(console.lstSystemLog->topLevelItemCount(), 3);
    QVERIFY(HasIcon(console.lstSystemLog->topLevelItem(2), console, 6));

    // The prompt cannot be deleted.
    console.sChoices->setCurrentIndex(0);
    QLineEdit *line = console.txtInput;
    line->setFocus();
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("x"));
    QTest::keyClick(line, Qt::Key_Backspace);
    QCOMPARE(line->text(), QStringLiteral(">>"));
    QCOMPARE(line->cursorPosition(), 2);

    // A command is answered under its echo; the line keeps it, so Enter repeats it.
    QTest::keyClicks(line, QStringLiteral("set debugmode on"));
    QTest::keyClick(line, Qt::Key_Return);
    QVERIFY(modPublic::DebugMode);
    QTest::keyClick(line, Qt::Key_Enter);
    const QString sAnswer = "\n\n>>set debugmode on\nDebugging Mode is active - All systems set to debug mode";
    QCOMPARE(console.txtConsoleLog->toPlainText(), kGreeting + sAnswer + sAnswer);
    QCOMPARE(console.txtConsoleLog->textCursor().position(), console.txtConsoleLog->document()->characterCount() - 1);

    // Log rows arrive while it is open, each with its icon.
    QVERIFY(WriteEventLog({"Test Event", "here", "first"}, 1));
    QVERIFY(WriteEventLog({"Warned", "there", ""}, 2));
    QVERIFY(WriteErrorLog({"Test Error", "somewhere", "broken"}));
    QCOMPARE(console.LstEventLog->topLevelItemCount(), 2);
    const QTreeWidgetItem *last = console.LstEventLog->topLevelItem(1);
    QCOMPARE(last->text(1), QStringLiteral("Warned"));
    QCOMPARE(last->text(0), folder.LogLines(QStringLiteral("EventLog.txt")).value(1).section(QChar(0xA5), 0, 0));
    QVERIFY(HasIcon(console.LstEventLog->topLevelItem(0), console, 1));
    QVERIFY(HasIcon(last, console, 2));
    QCOMPARE(console.lstErrorLog->topLevelItem(0)->text(3), QStringLiteral("broken"));
    QVERIFY(HasIcon(console.lstErrorLog->topLevelItem(0), console, 4));
    // The parser's own error entry shows up as it is written.
    line->setText(QStringLiteral(">>"));
    QTest::keyClick(line, Qt::Key_Return);
    QCOMPARE(console.lstErrorLog->topLevelItemCount(), 2);
    QCOMPARE(console.lstErrorLog->topLevelItem(1)->text(1), QStringLiteral("Parsing Error"));
    // A priority that is no icon number: the line is written, the row is not.
    QVERIFY(!WriteEventLog({"Odd", "x", "y"}, 7));
    QCOMPARE(console.LstEventLog->topLevelItemCount(), 2);
    QCOMPARE(folder.LogLines(QStringLiteral("EventLog.txt")).size(), 3);

    // Hiding without closing (a minimised child) keeps everything.
    console.hide();
    console.show();
    QCOMPARE(console.LstEventLog->topLevelItemCount(), 2);

    // Closed, it takes no rows; opened again, it starts afresh.
    QVERIFY(console.close());
    QVERIFY(!modPublic::ConsoleLoaded);
    QCOMPARE(RegisteredLogSink(), nullptr);
    QVERIFY(WriteEventLog({"Unseen", "a", "b"}, 1));
    console.show();
    QVERIFY(modPublic::ConsoleLoaded);
    QCOMPARE(console.txtConsoleLog->toPlainText(), kGreeting);
    QCOMPARE(console.txtInput->text(), QStringLiteral(">>"));
    QCOMPARE(console.sChoices->currentIndex(), 3);
    QCOMPARE(console.LstEventLog->topLevelItemCount() + console.lstErrorLog->topLevelItemCount(), 0);
    QCOMPARE(console.lstSystemLog->topLevelItemCount(), 3);

    // Destroyed while loaded, it leaves no sink behind.
    owned.reset();
    QVERIFY(!modPublic::ConsoleLoaded);
    QCOMPARE(RegisteredLogSink(), nullptr);
    QVERIFY(WriteEventLog({"After", "a", "b"}, 1));
}

void TestClientConsole::failedErrorEntryLeavesTranscript()
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

void TestClientConsole::resizeKeepsInputAtTheBottom()
{
    ProgramFolder folder;
    FrmClientConsole console;
    console.show();
    console.sChoices->setCurrentIndex(0);
    // The layout itself is checked in twips; here that it reaches the panel and its pages.
    for (const QSize size : {QSize(700, 400), QSize(420, 180)}) {
        console.resize(size);
        QCOMPARE(console.sChoices->geometry().bottom(), console.height() - 1);
        const int pageHeight = console.txtInput->parentWidget()->height();
        const QRect input = console.txtInput->geometry(), log = console.txtConsoleLog->geometry();
        QVERIFY(input.bottom() < pageHeight && pageHeight - input.bottom() < 12);
        QVERIFY(log.bottom() < input.top() && input.top() - log.bottom() <= 3);
    }
    // Far too small: nothing fails, the controls keep their last sizes.
    const QRect input = console.txtInput->geometry();
    const QRect log = console.txtConsoleLog->geometry();
    console.resize(3, 3);
    QCOMPARE(console.txtInput->geometry(), input);
    QCOMPARE(console.txtConsoleLog->geometry(), log);
}

void TestClientConsole::reopenedAfterMaximisedIsNormal()
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

QTEST_MAIN(TestClientConsole)
#include "test_client_console.moc"
