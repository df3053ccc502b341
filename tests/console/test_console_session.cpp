#include "common/modPublic.h"
#include "console/ConsoleLayout.h"
#include "console/ConsoleSession.h"
#include "support/ProgramFolder.h"

#include <QTest>

Q_DECLARE_METATYPE(TwipsBox)

char *toString(const TwipsBox &box)
{
    return QTest::toString(QStringLiteral("(%1, %2, %3, %4)").arg(box.nLeft).arg(box.nTop).arg(box.nWidth).arg(box.nHeight));
}

class TestConsoleSession : public QObject {
    Q_OBJECT

private slots:
    void keepPrompt_data();
    void keepPrompt();
    void enter_data();
    void enter();
    void resize_data();
    void resize();
};

void TestConsoleSession::keepPrompt_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("fixed");
    QTest::newRow("emptied") << "" << true;
    QTest::newRow("one character") << ">" << true;
    QTest::newRow("typed over") << "x" << true;
    QTest::newRow("bare prompt") << ">>" << false;
    // A damaged prompt of two or more characters stays as typed.
    QTest::newRow("damaged") << ">get voicemode" << false;
}

void TestConsoleSession::keepPrompt()
{
    QFETCH(QString, line);
    QFETCH(bool, fixed);
    const auto fix = ConsoleSession::KeepPrompt(line);
    QCOMPARE(fix.has_value(), fixed);
    if (fix) {
        QCOMPARE(fix->sText, QStringLiteral(">>"));
        QCOMPARE(fix->nCaret, 2);
    }
}

void TestConsoleSession::enter_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("errorLines");
    QTest::newRow("command") << QStringLiteral(">>get voicemode") << QStringLiteral("Voice Mode is currently set to: False") << 0;
    // The first two characters go whatever they are.
    QTest::newRow("damaged prompt") << QStringLiteral(">get voicemode") << QStringLiteral("Unrecognised Command") << 0;
    QTest::newRow("bare prompt") << QStringLiteral(">>")
                                 << QStringLiteral("There was an Error Processing your command - Please try again") << 1;
}

void TestConsoleSession::enter()
{
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(int, errorLines);
    ProgramFolder folder;
    ConsoleSession session;
    session.Load();
    const QString sExpectedAdded = "\r\n\r\n" + line + "\r\n" + reply;
    QCOMPARE(session.Enter(line), std::optional<QString>(sExpectedAdded));
    QCOMPARE(session.Transcript(), ConsoleSession::Greeting + sExpectedAdded);
    QCOMPARE(folder.LogLines(QStringLiteral("ErrorLog.txt")).size(), errorLines);
}

void TestConsoleSession::resize_data()
{
    QTest::addColumn<int>("innerWidth");
    QTest::addColumn<int>("innerHeight");
    QTest::addColumn<TwipsBox>("panel");
    QTest::addColumn<TwipsBox>("list");
    QTest::addColumn<TwipsBox>("transcript");
    QTest::addColumn<TwipsBox>("input");
    QTest::newRow("as laid out") << 6120 << 2604 << TwipsBox{30, 0, 6090, 2604} << TwipsBox{30, 330, 5990, 2204}
                                 << TwipsBox{60, 330, 5990, 1859} << TwipsBox{60, 2204, 5990, 345};
    QTest::newRow("larger") << 9030 << 6000 << TwipsBox{30, 0, 9000, 6000} << TwipsBox{30, 330, 8900, 5600}
                            << TwipsBox{60, 330, 8900, 5255} << TwipsBox{60, 5600, 8900, 345};
    // Too small: every step that would go negative is skipped.
    QTest::newRow("tiny") << 100 << 300 << TwipsBox{30, 0, 70, 300} << TwipsBox{30, 330, 5985, 2145}
                          << TwipsBox{60, 330, 5955, 1755} << TwipsBox{60, 2130, 5955, 345};
    QTest::newRow("short") << 6120 << 600 << TwipsBox{30, 0, 6090, 600} << TwipsBox{30, 330, 5990, 200}
                           << TwipsBox{60, 330, 5990, 1755} << TwipsBox{60, 200, 5990, 345};
}

void TestConsoleSession::resize()
{
    QFETCH(int, innerWidth);
    QFETCH(int, innerHeight);
    QFETCH(TwipsBox, panel);
    QFETCH(TwipsBox, list);
    QFETCH(TwipsBox, transcript);
    QFETCH(TwipsBox, input);
    ConsoleLayout layout;
    layout.Resize(innerWidth, innerHeight);
    QCOMPARE(layout.sChoices, panel);
    QCOMPARE(layout.LstEventLog, list);
    QCOMPARE(layout.lstErrorLog, list);
    QCOMPARE(layout.lstSystemLog, list);
    QCOMPARE(layout.txtConsoleLog, transcript);
    QCOMPARE(layout.txtInput, input);
}

QTEST_GUILESS_MAIN(TestConsoleSession)
#include "test_console_session.moc"
