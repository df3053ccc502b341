#include "chat/FrmChecker.h"
#include "chat/FrmOrvia.h"
#include "chat/KezOnKez.h"
#include "chat/KezWindow.h"
#include "chat/OrviaOnOrvia.h"
#include "common/modPublic.h"
#include "engine/EngineErrors.h"
#include "support/Knowledge.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

namespace {

const QColor kGreen(0, 255, 0);

QStringList Lines(const QTextEdit *area)
{
    return area->toPlainText().split(QLatin1Char('\n'));
}

// The colour given to a transcript line, invalid when it has none of its own.
QColor LineColour(const QTextEdit *area, int nLine)
{
    const QTextBlock block = area->document()->findBlockByNumber(nLine);
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().hasProperty(QTextFormat::ForegroundBrush))
            return it.fragment().charFormat().foreground().color();
    return QColor();
}

void Say(ChatWindow &window, const QString &sText)
{
    QTest::keyClicks(window.InputArea, sText);
    QTest::keyClick(window.InputArea, Qt::Key_Return);
}

// Escape, wherever the focus is, leaves the window open.
bool SurvivesEscape(QWidget *window)
{
    const QList<QWidget *> targets = window->findChildren<QWidget *>() << window;
    for (QWidget *target : targets)
        QTest::keyClick(target, Qt::Key_Escape);
    return window->isVisible();
}

bool Bright(const QColor &c)
{
    return c.green() > 100;
}

}  // namespace

// One test per window, driven as a user would; the conversation itself is
// tested against fakes in test_conversation.
class TestChatWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { m_kb.emplace(); }
    void cleanup() { m_kb.reset(); }

    void checker()
    {
        FrmChecker window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), window.InputArea);
        window.InputArea->setText(QStringLiteral("left over"));
        // Typed key by key, the watch word answers as soon as it stands in the box.
        QTest::keyClicks(window.InputArea, QStringLiteral("butter"));
        QCOMPARE(window.InputArea->text(), QStringLiteral("ter"));
        QCOMPARE(Lines(window.ResponseArea).mid(1), (QStringList{"<Orvia> hello, what is your name?", "but what?"}));
        window.InputArea->clear();
        Say(window, QStringLiteral("Sam"));
        QCOMPARE(Lines(window.ResponseArea).value(4), QStringLiteral("<Orvia> nice to meet you, Sam!"));
        QCOMPARE(LineColour(window.ResponseArea, 4), kGreen);

        // Frames and scroll thumbs drawn on black must not vanish into it.
        window.ResponseArea->setFocus();
        const QImage input = window.InputArea->grab().toImage();
        QVERIFY(Bright(input.pixelColor(0, input.height() / 2)));
        for (int i = 0; i < 60; ++i)
            window.ResponseArea->append(QStringLiteral("line"));
        QScrollBar *bar = window.ResponseArea->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        // The thumb's ends cross the bar: some row in its middle is bright nearly all across.
        const QImage image = bar->grab().toImage();
        bool thumbEdge = false;
        for (int y = image.height() / 5; y < image.height() * 4 / 5 && !thumbEdge; ++y) {
            int n = 0;
            for (int x = 0; x < image.width(); ++x)
                n += Bright(image.pixelColor(x, y));
            thumbEdge = n > image.width() / 2;
        }
        QVERIFY(thumbEdge);
        QVERIFY(SurvivesEscape(&window));
        // Opening again starts over.
        window.close();
        window.show();
        QCOMPARE(Lines(window.ResponseArea).size(), 2);
    }

    void textOnly()
    {
        FrmOrvia window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The transcript holds the focus; Tab moves it to the input box.
        QCOMPARE(QApplication::focusWidget(), window.ResponseArea);
        QTest::keyClick(&window, Qt::Key_Tab);
        Say(window, QStringLiteral("Sam"));
        QCOMPARE(Lines(window.ResponseArea).value(3), QStringLiteral("<Orvia> nice to meet you, Sam!"));
        QCOMPARE(LineColour(window.ResponseArea, 3), QColor(Qt::black));
        QVERIFY(SurvivesEscape(&window));
    }

    void kezWindow()
    {
        QMainWindow *created = nullptr;
        {
            KezWindow window([&created] { return created ? created : created = new QMainWindow; });
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            Say(window, QStringLiteral("Sam"));
            QCOMPARE(LineColour(window.ResponseArea, 2), QColor(Qt::blue));
            QCOMPARE(LineColour(window.ResponseArea, 3), QColor(Qt::black));
            // The transcript and the picture hand the focus on to the input box.
            for (QWidget *other : {static_cast<QWidget *>(window.ResponseArea), static_cast<QWidget *>(window.PicKez)}) {
                other->setFocus();
                QCOMPARE(QApplication::focusWidget(), window.InputArea);
            }
            QVERIFY(SurvivesEscape(&window));
            // Closing brings up the main window, maximised.
            QVERIFY(!created);
            window.close();
            QVERIFY(created);
            QTRY_VERIFY(created->windowState() & Qt::WindowMaximized);
        }
        delete created;
    }

    void selfTalk_data()
    {
        QTest::addColumn<bool>("textOnly");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Orvia and Orvia") << false << kGreen;
        QTest::newRow("text only") << true << QColor(Qt::black);
    }
    void selfTalk()
    {
        QFETCH(bool, textOnly);
        QFETCH(QColor, colour);
        std::unique_ptr<SelfTalkWindow> window;
        if (textOnly)
            window = std::make_unique<OrviaOnOrvia>();
        else
            window = std::make_unique<KezOnKez>();
        window->show();
        QVERIFY(window->Timer1->isActive());
        if (!textOnly) {  // a button on black stays visible
            const QImage button = window->Command1->grab().toImage();
            QCOMPARE(button.pixelColor(4, button.height() / 2), kGreen);
        }
        // The button pauses and resumes.
        QTest::mouseClick(window->Command1, Qt::LeftButton);
        QVERIFY(!window->Timer1->isActive());
        QTest::mouseClick(window->Command1, Qt::LeftButton);
        window->Timer1->setInterval(10);
        window->Timer1->start();
        QTRY_VERIFY(Lines(window->Area).size() >= 4);
        QCOMPARE(Lines(window->Area)[2], QStringLiteral("<Orvia2> hello Orvia, how are you"));
        QCOMPARE(LineColour(window->Area, 2), colour);
        QVERIFY(SurvivesEscape(window.get()));
        // Closing stops the talk; opening again starts it over.
        window->close();
        QVERIFY(!window->Timer1->isActive());
        window->show();
        QCOMPARE(Lines(window->Area).size(), 2);
    }

    // An engine failure reaches the user as one box, the same in every window,
    // before the answer it spoiled is written; a self-talk pauses after it.
    void engineFailureShownOnce()
    {
        ScriptedDialogs dialogs;
        QStringList shownOver;
        {
            FrmChecker chat;
            dialogs.onMessage = [&](const ScriptedDialogs::Shown &) { shownOver = Lines(chat.ResponseArea); };
            chat.show();
            Say(chat, QStringLiteral("Sam"));
            Say(chat, QStringLiteral("this is broken"));
            QCOMPARE(Lines(chat.ResponseArea).value(4), QStringLiteral("<Sam> this is broken"));
        }
        dialogs.onMessage = nullptr;
        QCOMPARE(shownOver.size(), 4);
        m_kb->folder.WriteData(QStringLiteral("keywords.txt"), {QStringLiteral("[missing.txt]"), QStringLiteral("0001 hello")});
        OrviaOnOrvia talk;
        talk.show();
        talk.Timer1->setInterval(10);
        QTRY_VERIFY(!talk.Timer1->isActive());
        QCOMPARE(dialogs.messages.size(), 2);
        for (const ScriptedDialogs::Shown &box : std::as_const(dialogs.messages)) {
            QCOMPARE(box.sText, EngineErrors::kApology);
            QCOMPARE(box.sTitle, Dialogs::AppTitle);
            QCOMPARE(box.icon, Dialogs::Icon::None);
        }
    }

private:
    std::optional<KnowledgeFixture> m_kb;
};

QTEST_MAIN(TestChatWindows)
#include "test_chatwindows.moc"
