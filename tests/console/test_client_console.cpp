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

QStringList RowTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->columnCount(); ++i)
        texts << item->text(i);
    return texts;
}

bool HasIcon(const QTreeWidgetItem *item, const FrmClientConsole &console, int n)
{
    return item->icon(0).cacheKey() == console.ConsoleIcons->Icon(n).cacheKey();
}

void Type(QLineEdit *line, const QString &sText)
{
    QTest::keyClicks(line, sText);
}

}  // namespace

class TestClientConsole : public QObject {
    Q_OBJECT

private slots:
    void loadShowsServicesAndGreeting();
    void promptCannotBeDeleted();
    void commandAnsweredUnderItsEcho();
    void rowsArriveWhileOpen();
    void closingAndReopeningStartsAfresh();
    void failedErrorEntryLeavesTranscript();
    void resizeKeepsInputAtTheBottom();
    void reopenedAfterMaximisedIsNormal();
    void destructionClearsTheFlag();
};

void TestClientConsole::loadShowsServicesAndGreeting()
{
    ProgramFolder folder;
    FrmClientConsole console;
    QVERIFY(!modPublic::ConsoleLoaded);
    console.show();
    QVERIFY(modPublic::ConsoleLoaded);
    QCOMPARE(RegisteredConsoleRows(), &console);
    QCOMPARE(console.windowTitle(), QStringLiteral("Client Console and Event/Error Viewer"));

    QStringList tabs;
    for (int i = 0; i < console.sChoices->count(); ++i)
        tabs << console.sChoices->tabText(i);
    QCOMPARE(tabs, (QStringList{"&Console", "Event Log", "Error Log", "Systems Running"}));
    QCOMPARE(console.sChoices->currentIndex(), 3);

    QCOMPARE(console.txtConsoleLog->toPlainText(), kGreeting);
    QVERIFY(console.txtConsoleLog->isReadOnly());
    QCOMPARE(console.txtInput->text(), QStringLiteral(">>"));
    QCOMPARE(console.LstEventLog->topLevelItemCount(), 0);
    QCOMPARE(console.lstErrorLog->topLevelItemCount(), 0);

    QCOMPARE(console.lstSystemLog->headerItem()->text(0), QStringLiteral("Service Name"));
    QCOMPARE(console.LstEventLog->headerItem()->text(3), QStringLiteral("Event Description"));
    QCOMPARE(console.lstErrorLog->headerItem()->text(1), QStringLiteral("Error Type"));
    QCOMPARE(console.lstSystemLog->topLevelItemCount(), 3);
    const QStringList names{"Console Service", "Debugging Service", "Keyword-Response Service"};
    for (int i = 0; i < 3; ++i) {
        const QTreeWidgetItem *row = console.lstSystemLog->topLevelItem(i);
        QCOMPARE(row->text(0), names[i]);
        QCOMPARE(row->text(1), QStringLiteral("Running"));
        QVERIFY(!row->text(2).isEmpty());
        QVERIFY(HasIcon(row, console, 6));
    }
    QCOMPARE(console.lstSystemLog->topLevelItem(2)->text(3), QStringLiteral("Generates Responses based on user's query"));
}

void TestClientConsole::promptCannotBeDeleted()
{
    ProgramFolder folder;
    FrmClientConsole console;
    console.show();
    console.sChoices->setCurrentIndex(0);
    QLineEdit *line = console.txtInput;
    line->setFocus();

    line->selectAll();
    Type(line, QStringLiteral("x"));
    QCOMPARE(line->text(), QStringLiteral(">>"));
    QCOMPARE(line->cursorPosition(), 2);

    line->end(false);
    QTest::keyClick(line, Qt::Key_Backspace);
    QCOMPARE(line->text(), QStringLiteral(">>"));

    // A damaged prompt of two or more characters stays as typed.
    Type(line, QStringLiteral("get voicemode"));
    line->setCursorPosition(2);
    QTest::keyClick(line, Qt::Key_Backspace);
    QCOMPARE(line->text(), QStringLiteral(">get voicemode"));
    QTest::keyClick(line, Qt::Key_Return);
    QVERIFY(console.txtConsoleLog->toPlainText().endsWith(QStringLiteral("\n>get voicemode\nUnrecognised Command")));
}

void TestClientConsole::commandAnsweredUnderItsEcho()
{
    ProgramFolder folder;
    FrmClientConsole console;
    console.show();
    Type(console.txtInput, QStringLiteral("set debugmode on"));
    QTest::keyClick(console.txtInput, Qt::Key_Return);
    QVERIFY(modPublic::DebugMode);
    // The input line keeps the command.
    QCOMPARE(console.txtInput->text(), QStringLiteral(">>set debugmode on"));
    QTest::keyClick(console.txtInput, Qt::Key_Enter);
    QCOMPARE(console.txtConsoleLog->toPlainText(),
             kGreeting + "\n\n>>set debugmode on\nDebugging Mode is active - All systems set to debug mode"
                         "\n\n>>set debugmode on\nDebugging Mode is active - All systems set to debug mode");
    QCOMPARE(console.txtConsoleLog->textCursor().position(), console.txtConsoleLog->document()->characterCount() - 1);
}

void TestClientConsole::rowsArriveWhileOpen()
{
    ProgramFolder folder;
    FrmClientConsole console;
    console.show();

    QVERIFY(WriteEventLog({"Test Event", "here", "first"}, 1));
    QVERIFY(WriteEventLog({"Warned", "there", ""}, 2));
    QVERIFY(WriteErrorLog({"Test Error", "somewhere", "broken"}));
    QCOMPARE(console.LstEventLog->topLevelItemCount(), 2);
    const QTreeWidgetItem *last = console.LstEventLog->topLevelItem(1);
    QCOMPARE(RowTexts(last).mid(1), (QStringList{"Warned", "there", ""}));
    QVERIFY(!last->text(0).isEmpty());
    QVERIFY(HasIcon(console.LstEventLog->topLevelItem(0), console, 1));
    QVERIFY(HasIcon(last, console, 2));
    QCOMPARE(console.lstErrorLog->topLevelItemCount(), 1);
    QCOMPARE(RowTexts(console.lstErrorLog->topLevelItem(0)).mid(1), (QStringList{"Test Error", "somewhere", "broken"}));
    QVERIFY(HasIcon(console.lstErrorLog->topLevelItem(0), console, 4));

    // The parser's own error entry shows up as it is written.
    QTest::keyClick(console.txtInput, Qt::Key_Return);
    QCOMPARE(console.lstErrorLog->topLevelItemCount(), 2);
    QCOMPARE(console.lstErrorLog->topLevelItem(1)->text(1), QStringLiteral("Parsing Error"));

    // A priority that is no icon number: the line is written, the row is not.
    const LogWriteStatus status = WriteEventLog({"Odd", "x", "y"}, 7);
    QVERIFY(!status);
    QCOMPARE(console.LstEventLog->topLevelItemCount(), 2);
    QCOMPARE(folder.LogLines(QStringLiteral("EventLog.txt")).size(), 3);
}

void TestClientConsole::closingAndReopeningStartsAfresh()
{
    ProgramFolder folder;
    FrmClientConsole console;
    console.show();
    Type(console.txtInput, QStringLiteral("get voicemode"));
    QTest::keyClick(console.txtInput, Qt::Key_Return);
    QVERIFY(WriteEventLog({"Seen", "a", "b"}, 1));
    console.sChoices->setCurrentIndex(1);

    QVERIFY(console.close());
    QVERIFY(!modPublic::ConsoleLoaded);
    QCOMPARE(RegisteredConsoleRows(), nullptr);
    QVERIFY(WriteEventLog({"Unseen", "a", "b"}, 1));

    console.show();
    QVERIFY(modPublic::ConsoleLoaded);
    QCOMPARE(console.txtConsoleLog->toPlainText(), kGreeting);
    QCOMPARE(console.txtInput->text(), QStringLiteral(">>"));
    QCOMPARE(console.sChoices->currentIndex(), 3);
    QCOMPARE(console.LstEventLog->topLevelItemCount(), 0);
    QCOMPARE(console.lstSystemLog->topLevelItemCount(), 3);

    // Hiding without closing (a minimised child) keeps everything.
    QVERIFY(WriteEventLog({"Kept", "a", "b"}, 1));
    console.hide();
    console.show();
    QCOMPARE(console.LstEventLog->topLevelItemCount(), 1);
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
    Type(console.txtInput, QStringLiteral("get voicemode"));
    QTest::keyClick(console.txtInput, Qt::Key_Return);
    QVERIFY(console.txtConsoleLog->toPlainText().endsWith(QStringLiteral("Voice Mode is currently set to: False")));
}

void TestClientConsole::resizeKeepsInputAtTheBottom()
{
    ProgramFolder folder;
    FrmClientConsole console;
    console.show();
    console.sChoices->setCurrentIndex(0);
    for (const QSize size : {QSize(700, 400), QSize(420, 180)}) {
        console.resize(size);
        QCOMPARE(console.sChoices->geometry().bottom(), console.height() - 1);
        QWidget *page = console.txtInput->parentWidget();
        const QRect input = console.txtInput->geometry();
        const QRect log = console.txtConsoleLog->geometry();
        // The input line sits just above the panel's bottom, the transcript right above it.
        QVERIFY(input.bottom() < page->height());
        QVERIFY(page->height() - input.bottom() < 12);
        QVERIFY(log.bottom() < input.top());
        QVERIFY(input.top() - log.bottom() <= 3);
        QCOMPARE(input.width(), log.width());
        QVERIFY(console.lstSystemLog->geometry().right() < page->width());
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

void TestClientConsole::destructionClearsTheFlag()
{
    ProgramFolder folder;
    {
        FrmClientConsole console;
        console.show();
        QVERIFY(modPublic::ConsoleLoaded);
    }
    QVERIFY(!modPublic::ConsoleLoaded);
    QCOMPARE(RegisteredConsoleRows(), nullptr);
    QVERIFY(WriteEventLog({"After", "a", "b"}, 1));
}

QTEST_MAIN(TestClientConsole)
#include "test_client_console.moc"
