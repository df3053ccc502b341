#include "ChatFixture.h"

#include "chat/KezOnKez.h"
#include "chat/OrviaOnOrvia.h"
#include "common/modPublic.h"
#include "support/ScriptedDialogs.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestSelfTalk : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        WriteKnowledge(*m_folder);
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup()
    {
        m_dialogs.reset();
        m_folder.reset();
    }

    void loadStartsTheTalk()
    {
        OrviaOnOrvia window;
        window.show();
        QCOMPARE(Lines(window.Area), (QStringList{QString(), QStringLiteral("<Orvia1> Hello Orvia")}));
        QCOMPARE(LineColour(window.Area, 1), QColor(Qt::black));
        QCOMPARE(modPublic::UserName, QStringLiteral("Orvia"));
        QVERIFY(window.Timer1->isActive());
        QCOMPARE(window.Timer1->interval(), 2000);
        QVERIFY(!window.Talk().FirstVoiceNext);
    }

    void voicesAlternate()
    {
        KezOnKez window;
        window.show();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(window.Talk().Tick(), SelfConversation::TickResult::Written);
        QCOMPARE(Lines(window.Area),
                 (QStringList{QString(), QStringLiteral("<Orvia1> Hello Orvia"),
                              QStringLiteral("<Orvia2> hello Orvia, how are you"),
                              // the same keyword twice running is passed over
                              QStringLiteral("<Orvia1> fine. hello again"),
                              QStringLiteral("<Orvia2> hello Orvia, how are you")}));
        QCOMPARE(window.Talk().CurrentLine, QStringLiteral("hello Orvia, how are you"));
        QCOMPARE(LineColour(window.Area, 4), QColor(0, 255, 0));

        // Pausing and resuming keeps whose turn it is.
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QVERIFY(!window.Timer1->isActive());
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QVERIFY(window.Timer1->isActive());
        window.Talk().Tick();
        QVERIFY(Lines(window.Area).last().startsWith(QLatin1String("<Orvia1> ")));

        // Closing stops the talk; opening again starts it over.
        window.close();
        QVERIFY(!window.Timer1->isActive());
        window.show();
        QCOMPARE(Lines(window.Area).size(), 2);
        QVERIFY(!window.Talk().FirstVoiceNext);
    }

    void transcriptBound_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("at the bound") << 40000 << false;
        QTest::newRow("one past") << 40001 << true;
    }
    void transcriptBound()
    {
        QFETCH(int, length);
        QFETCH(bool, emptied);
        OrviaOnOrvia window;
        window.show();
        // Each line counts its carriage return and line feed.
        const qsizetype nFill = length - window.TranscriptLength() - 2;
        window.AddColoredText(QString(nFill, QLatin1Char('x')), Rgb(0, 0, 0));
        QCOMPARE(window.TranscriptLength(), qsizetype(length));
        window.Talk().Tick();
        const QStringList lines = Lines(window.Area);
        if (emptied)
            QCOMPARE(lines, (QStringList{QString(), QStringLiteral("<Orvia2> hello Orvia, how are you")}));
        else
            QCOMPARE(lines.size(), 4);
    }

    void failedTickPausesAfterOneReport()
    {
        m_folder->WriteData(QStringLiteral("keywords.txt"), {QStringLiteral("[missing.txt]"), QStringLiteral("0001 hello")});
        KezOnKez window;
        window.show();
        // While the report is open the timer may fire again; that tick must not run.
        SelfConversation::TickResult nested = SelfConversation::TickResult::Written;
        m_dialogs->onMessage = [&](const ScriptedDialogs::Shown &) { nested = window.Talk().Tick(); };
        QCOMPARE(window.Talk().Tick(), SelfConversation::TickResult::Failed);
        QCOMPARE(nested, SelfConversation::TickResult::Skipped);
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(Lines(window.Area).last(), QStringLiteral("<Orvia2> "));
        QVERIFY(!window.Timer1->isActive());
        QVERIFY(window.isVisible());

        m_dialogs->onMessage = nullptr;
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QVERIFY(window.Timer1->isActive());
        // The empty line goes on to the engine, which answers from the fallback.
        QCOMPARE(window.Talk().Tick(), SelfConversation::TickResult::Written);
        QCOMPARE(Lines(window.Area).last(), QStringLiteral("<Orvia1> tell me more."));
    }

    void timerDrivesTheTicks()
    {
        OrviaOnOrvia window;
        window.show();
        window.Timer1->setInterval(10);
        window.Timer1->start();
        QTRY_VERIFY(Lines(window.Area).size() >= 4);
    }

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
};

QTEST_MAIN(TestSelfTalk)
#include "test_selftalk.moc"
