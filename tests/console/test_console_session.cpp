#include "console/ConsoleLayout.h"
#include "console/ConsoleSession.h"
#include "support/ProgramFolder.h"

#include <QTest>

char *toString(const TwipsBox &box)
{
    return QTest::toString(QStringLiteral("(%1, %2, %3, %4)").arg(box.nLeft).arg(box.nTop).arg(box.nWidth).arg(box.nHeight));
}

class TestConsoleSession : public QObject {
    Q_OBJECT

private slots:
    void keepPrompt()
    {
        // Emptied, one character left or typed over: the bare prompt, the caret after it.
        for (const char *sLine : {"", ">", "x"}) {
            const auto fix = ConsoleSession::KeepPrompt(sLine);
            QVERIFY2(fix && fix->sText == ">>" && fix->nCaret == 2, sLine);
        }
        // The bare prompt, and a damaged one of two or more characters, stay as typed.
        for (const char *sLine : {">>", ">get voicemode"})
            QVERIFY2(!ConsoleSession::KeepPrompt(sLine), sLine);
    }

    void enter()
    {
        ProgramFolder folder;
        ConsoleSession session;
        session.Load();
        QString sTranscript = ConsoleSession::Greeting;
        // The first two characters go whatever they are; the bare prompt is a parsing error.
        for (const auto &[sLine, sReply] : {std::pair{">>get voicemode", "Voice Mode is currently set to: False"},
                                            {">get voicemode", "Unrecognised Command"},
                                            {">>", "There was an Error Processing your command - Please try again"}}) {
            const QString sAdded = QStringLiteral("\r\n\r\n%1\r\n%2").arg(sLine, sReply);
            QCOMPARE(session.Enter(sLine), std::optional<QString>(sAdded));
            sTranscript += sAdded;
        }
        QCOMPARE(session.Transcript(), sTranscript);
        QCOMPARE(folder.LogLines(QStringLiteral("ErrorLog.txt")).size(), 1);
    }

    void resize()
    {
        struct Case {
            int nWidth, nHeight;
            TwipsBox panel, list, transcript, input;
        };
        for (const Case &c : {Case{6120, 2604, {30, 0, 6090, 2604}, {30, 330, 5990, 2204}, {60, 330, 5990, 1859}, {60, 2204, 5990, 345}},
                              Case{9030, 6000, {30, 0, 9000, 6000}, {30, 330, 8900, 5600}, {60, 330, 8900, 5255}, {60, 5600, 8900, 345}},
                              // Too small: every step that would go negative is skipped.
                              Case{100, 300, {30, 0, 70, 300}, {30, 330, 5985, 2145}, {60, 330, 5955, 1755}, {60, 2130, 5955, 345}},
                              Case{6120, 600, {30, 0, 6090, 600}, {30, 330, 5990, 200}, {60, 330, 5990, 1755}, {60, 200, 5990, 345}}}) {
            ConsoleLayout layout;
            layout.Resize(c.nWidth, c.nHeight);
            QCOMPARE(layout.sChoices, c.panel);
            QCOMPARE(layout.LstEventLog, c.list);
            QCOMPARE(layout.lstErrorLog, c.list);
            QCOMPARE(layout.lstSystemLog, c.list);
            QCOMPARE(layout.txtConsoleLog, c.transcript);
            QCOMPARE(layout.txtInput, c.input);
        }
    }
};

QTEST_GUILESS_MAIN(TestConsoleSession)
#include "test_console_session.moc"
