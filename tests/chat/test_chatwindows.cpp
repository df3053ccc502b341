#include "ChatFixture.h"

#include "chat/FrmChecker.h"
#include "chat/FrmOrvia.h"
#include "chat/KezOnKez.h"
#include "chat/KezWindow.h"
#include "chat/OrviaOnOrvia.h"
#include "common/modPublic.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

const QColor kGreen(0, 255, 0);

void Say(ChatWindow &window, const QString &sText)
{
    QTest::keyClicks(window.InputArea, sText);
    QTest::keyClick(window.InputArea, Qt::Key_Return);
}

}  // namespace

class TestChatWindows : public QObject {
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

    void greetingAfterLoad()
    {
        modPublic::UserName = QStringLiteral("Someone");
        FrmChecker window;
        window.show();
        QCOMPARE(Lines(window.ResponseArea), (QStringList{QString(), QStringLiteral("<Orvia> hello, what is your name?")}));
        QCOMPARE(LineColour(window.ResponseArea, 1), kGreen);
        QCOMPARE(modPublic::UserName, QStringLiteral("User"));
        QCOMPARE(window.Turn().InputMode, QStringLiteral("GetUsername"));
        QVERIFY(window.Turn().ClearInputOnKey);
        QVERIFY(window.Turn().WatchForBut);
        QCOMPARE(window.InputArea->text(), QString());
        QCOMPARE(window.windowTitle(), QStringLiteral("Chat with Orvia - The bot with a personality!!!"));
    }

    void nameTurn_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("echo");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<bool>("stillAsking");
        QTest::newRow("one word with blanks") << "  Sam  " << "<Sam>   Sam  " << "<Orvia> nice to meet you, Sam!" << "Sam" << false;
        QTest::newRow("several words") << "my name is Sam" << "<User> my name is Sam" << "<Orvia> one word, please." << "User" << true;
        QTest::newRow("keyword of the name question") << "Why" << "<User> Why" << "<Orvia> so i know what to call you." << "User" << true;
        // "{" starts the control part of an entry, so the name cuts the reply short.
        QTest::newRow("empty line") << "" << "<{SILENCE}> {SILENCE}" << "<Orvia> nice to meet you," << "{SILENCE}" << false;
    }
    void nameTurn()
    {
        QFETCH(QString, input);
        QFETCH(QString, echo);
        QFETCH(QString, reply);
        QFETCH(QString, userName);
        QFETCH(bool, stillAsking);
        FrmChecker window;
        window.show();
        Say(window, input);
        const QStringList lines = Lines(window.ResponseArea);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[2], echo);
        QCOMPARE(lines[3], reply);
        QCOMPARE(modPublic::UserName, userName);
        QCOMPARE(window.Turn().InputMode == QLatin1String("GetUsername"), stillAsking);
        QCOMPARE(window.Turn().WatchForBut, stillAsking);
        QCOMPARE(window.InputArea->text(), QString());
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void chatTurnAfterName()
    {
        FrmOrvia window;
        window.show();
        Say(window, QStringLiteral("Sam"));
        Say(window, QStringLiteral("Hello there"));
        const QStringList lines = Lines(window.ResponseArea);
        QCOMPARE(lines.mid(4), (QStringList{QStringLiteral("<Sam> Hello there"), QStringLiteral("<Orvia> hello Sam, how are you")}));
        QCOMPARE(LineColour(window.ResponseArea, 5), QColor(Qt::black));
        QCOMPARE(window.InputArea->text(), QString());
        // An empty line goes to the engine as it is.
        QTest::keyClick(window.InputArea, Qt::Key_Return);
        QCOMPARE(Lines(window.ResponseArea).mid(6), (QStringList{QStringLiteral("<Sam> "), QStringLiteral("<Orvia> tell me more.")}));
    }

    void firstKeyClearsTheBox()
    {
        FrmChecker window;
        window.show();
        window.InputArea->setText(QStringLiteral("left over"));
        QTest::keyClicks(window.InputArea, QStringLiteral("ab"));
        QCOMPARE(window.InputArea->text(), QStringLiteral("ab"));
        QVERIFY(!window.Turn().ClearInputOnKey);
    }

    void watchWordDropsColoursUntilTheNextTurn()
    {
        FrmChecker window;
        window.show();
        QTest::keyClicks(window.InputArea, QStringLiteral("BuT"));
        QCOMPARE(window.InputArea->text(), QString());
        QCOMPARE(Lines(window.ResponseArea),
                 (QStringList{QString(), QStringLiteral("<Orvia> hello, what is your name?"), QStringLiteral("but what?")}));
        QVERIFY(!LineColour(window.ResponseArea, 1).isValid());
        // The plain lines still read green on black.
        QCOMPARE(window.ResponseArea->palette().color(QPalette::Text), kGreen);
        QCOMPARE(window.ResponseArea->palette().color(QPalette::Base), QColor(Qt::black));

        // A longer word never stands whole in the box.
        QTest::keyClicks(window.InputArea, QStringLiteral("butter"));
        QCOMPARE(window.InputArea->text(), QStringLiteral("ter"));
        window.InputArea->clear();

        Say(window, QStringLiteral("Sam"));
        QCOMPARE(LineColour(window.ResponseArea, 4), kGreen);
        QCOMPARE(LineColour(window.ResponseArea, 5), kGreen);
        // Once the name is known the shortcut is off.
        QTest::keyClicks(window.InputArea, QStringLiteral("but"));
        QCOMPARE(window.InputArea->text(), QStringLiteral("but"));
    }

    void reopeningAsksForTheNameAgain()
    {
        FrmChecker window;
        window.show();
        Say(window, QStringLiteral("Sam"));
        window.close();
        window.show();
        QCOMPARE(modPublic::UserName, QStringLiteral("User"));
        QCOMPARE(window.Turn().InputMode, QStringLiteral("GetUsername"));
        QCOMPARE(Lines(window.ResponseArea).size(), 2);
        Say(window, QStringLiteral("two words"));
        QCOMPARE(Lines(window.ResponseArea)[2], QStringLiteral("<User> two words"));

        // The other window starts with the name question as well.
        FrmOrvia other;
        other.show();
        QCOMPARE(other.Turn().InputMode, QStringLiteral("GetUsername"));
    }

    void failedReplyStillAppendsTheTurn()
    {
        FrmChecker window;
        window.show();
        Say(window, QStringLiteral("Sam"));
        Say(window, QStringLiteral("this is broken"));
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY(m_dialogs->messages[0].sText.contains(QLatin1String("internal Error")));
        QCOMPARE(Lines(window.ResponseArea).mid(4), (QStringList{QStringLiteral("<Sam> this is broken"), QStringLiteral("<Orvia> ")}));
        QVERIFY(window.isVisible());
        Say(window, QStringLiteral("hello"));
        QCOMPARE(Lines(window.ResponseArea).last(), QStringLiteral("<Orvia> hello Sam, how are you"));
    }

    void textOnlyTranscriptHoldsTheFocus()
    {
        FrmOrvia window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), window.ResponseArea);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("hi"));
        QCOMPARE(window.InputArea->text(), QString());
        QCOMPARE(Lines(window.ResponseArea).size(), 2);
        QTest::keyClick(&window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.InputArea);

        FrmChecker checker;
        checker.show();
        QVERIFY(QTest::qWaitForWindowActive(&checker));
        QCOMPARE(QApplication::focusWidget(), checker.InputArea);
    }

    void kezWindow()
    {
        QMainWindow *created = nullptr;
        {
            KezWindow window([&created] {
                if (!created)
                    created = new QMainWindow;
                return created;
            });
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QCOMPARE(QApplication::focusWidget(), window.InputArea);
            QVERIFY(!window.DisplayWindow->isVisible());
            QCOMPARE(window.PicKez->pixmap().size(), QSize(117, 225));

            Say(window, QStringLiteral("Sam"));
            QCOMPARE(LineColour(window.ResponseArea, 2), QColor(Qt::blue));
            QCOMPARE(LineColour(window.ResponseArea, 3), QColor(Qt::black));

            // The transcript and the picture hand the focus on to the input box.
            window.ResponseArea->setFocus();
            QCOMPARE(QApplication::focusWidget(), window.InputArea);
            window.PicKez->setFocus();
            QCOMPARE(QApplication::focusWidget(), window.InputArea);

            // Keys the input box passes on unused are not the window's own.
            QTest::keyClick(window.InputArea, Qt::Key_F5);
            QVERIFY(m_dialogs->messages.isEmpty());
            window.InputArea->clearFocus();
            QTest::keyClick(&window, Qt::Key_A);
            QCOMPARE(m_dialogs->messages.size(), 1);
            QCOMPARE(m_dialogs->messages[0].sText, QStringLiteral("65"));
            QCOMPARE(m_dialogs->messages[0].sTitle, QStringLiteral("Orvia"));
            QCOMPARE(QApplication::focusWidget(), window.InputArea);

            window.AddTiptoResponse(QStringLiteral("tip"));
            QCOMPARE(LineColour(window.ResponseArea, 4), QColor(Qt::magenta));
            window.ShowDisplayBox();
            QVERIFY(window.DisplayWindow->isVisible() && !window.TextWindow->isVisible());
            window.ShowTextBox();
            QVERIFY(!window.DisplayWindow->isVisible() && window.TextWindow->isVisible());

            QVERIFY(!created);
            window.close();
            QVERIFY(created);
            QTRY_VERIFY(created->windowState() & Qt::WindowMaximized);
        }
        delete created;
    }

    // Frames, thumbs and buttons drawn on black must not vanish into it.
    void controlsStandOutOnBlack()
    {
        auto bright = [](const QColor &c) { return c.green() > 100; };
        FrmChecker checker;
        checker.show();
        checker.ResponseArea->setFocus();
        const QImage input = checker.InputArea->grab().toImage();
        QVERIFY(bright(input.pixelColor(0, input.height() / 2)));

        for (int i = 0; i < 60; ++i)
            checker.ResponseArea->append(QStringLiteral("line"));
        QScrollBar *bar = checker.ResponseArea->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        // The thumb's ends cross the bar: some row in its middle is bright nearly all across.
        const QImage image = bar->grab().toImage();
        bool thumbEdge = false;
        for (int y = image.height() / 5; y < image.height() * 4 / 5 && !thumbEdge; ++y) {
            int n = 0;
            for (int x = 0; x < image.width(); ++x)
                n += bright(image.pixelColor(x, y));
            thumbEdge = n > image.width() / 2;
        }
        QVERIFY(thumbEdge);

        KezOnKez kez;
        kez.show();
        const QImage button = kez.Command1->grab().toImage();
        QCOMPARE(button.pixelColor(4, button.height() / 2), QColor(0, 255, 0));
    }

    void escapeLeavesTheWindowOpen_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name : {"FrmChecker", "FrmOrvia", "KezWindow", "KezOnKez", "OrviaOnOrvia"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void escapeLeavesTheWindowOpen()
    {
        QFETCH(QString, window);
        std::unique_ptr<QWidget> widget;
        if (window == "FrmChecker")
            widget = std::make_unique<FrmChecker>();
        else if (window == "FrmOrvia")
            widget = std::make_unique<FrmOrvia>();
        else if (window == "KezWindow")
            widget = std::make_unique<KezWindow>();
        else if (window == "KezOnKez")
            widget = std::make_unique<KezOnKez>();
        else
            widget = std::make_unique<OrviaOnOrvia>();
        widget->show();
        QList<QWidget *> targets = widget->findChildren<QWidget *>();
        targets << widget.get();
        for (QWidget *target : targets)
            QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY(widget->isVisible());
    }

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
};

QTEST_MAIN(TestChatWindows)
#include "test_chatwindows.moc"
