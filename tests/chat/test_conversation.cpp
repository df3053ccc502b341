#include "chat/ConversationTurn.h"
#include "chat/SelfConversation.h"
#include "common/modPublic.h"
#include "engine/EngineErrors.h"
#include "engine/WordList.h"
#include "support/FakeViews.h"
#include "support/Knowledge.h"

#include <QFileInfo>
#include <QTest>

namespace {

constexpr LineColor kBot = Rgb(1, 2, 3), kUser = Rgb(4, 5, 6), kPlain = FakeChat::kNoColor;

// Types a line as the input box would deliver it: each key, then Enter.
void Say(ConversationTurn &turn, FakeChat &view, const QString &sText)
{
    turn.KeyPress('x');  // the first key may empty the box before it takes the key
    view.input = sText;
    turn.InputChanged();
    turn.KeyPress(13);
}

// Whether the watch word still answers: it does only until the name is known.
bool WatchWordAnswers(ConversationTurn &turn, FakeChat &view, const QString &sWord = QStringLiteral("BuT"))
{
    const qsizetype n = view.lines.size();
    view.input = sWord;
    turn.InputChanged();
    const bool answered = view.lines.size() == n + 1 && view.lines.last() == QLatin1String("but what?") && view.input.isEmpty();
    view.input.clear();
    return answered;
}

}  // namespace

class TestConversation : public QObject {
    Q_OBJECT

private slots:
    void init() { m_kb.emplace(); }
    void cleanup() { m_kb.reset(); }

    void nameTurn_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("echo");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<bool>("stillAsking");
        QTest::newRow("one word with blanks") << "  Sam  " << "<Sam>   Sam  " << "<Orvia> nice to meet you, Sam!" << "Sam" << false;
        QTest::newRow("one word with a full stop") << "Sam." << "<Sam> Sam." << "<Orvia> nice to meet you, Sam!" << "Sam" << false;
        QTest::newRow("several words") << "my name is Sam" << "<User> my name is Sam" << "<Orvia> one word, please." << "User" << true;
        QTest::newRow("keyword of the name question") << "Why" << "<User> Why" << "<Orvia> so i know what to call you." << "User" << true;
        QTest::newRow("a greeting is no name") << "Hi!" << "<User> Hi!" << "<Orvia> so i know what to call you." << "User" << true;
        QTest::newRow("a name holding the greeting") << "Hiro" << "<Hiro> Hiro" << "<Orvia> nice to meet you, Hiro!" << "Hiro" << false;
        QTest::newRow("a name taken from the sentence") << "Call me O'Neil, please" << "<O'Neil> Call me O'Neil, please" << "<Orvia> welcome, O'Neil!"
                                                        << "O'Neil" << false;
        QTest::newRow("no name after the phrase") << "call me 42" << "<User> call me 42" << "<Orvia> welcome, User!" << "User" << true;
        // A word after the phrase that is no name gives way to a sentence of one word that is.
        QTest::newRow("a title is no name") << "Margaret. My pupils call me Mrs Hollis." << "<Margaret> Margaret. My pupils call me Mrs Hollis."
                                             << "<Orvia> welcome, Margaret!" << "Margaret" << false;
        QTest::newRow("a plain word is no name") << "Hi. Jo. Just call me sleepy." << "<Jo> Hi. Jo. Just call me sleepy." << "<Orvia> welcome, Jo!"
                                                 << "Jo" << false;
        QTest::newRow("a name that is a word too") << "call me Will" << "<Will> call me Will" << "<Orvia> welcome, Will!" << "Will" << false;
        QTest::newRow("several words with a name among them") << "Well. Ann. Nice place" << "<Ann> Well. Ann. Nice place"
                                                               << "<Orvia> nice to meet you, Ann!" << "Ann" << false;
        QTest::newRow("a name of two words") << "José María" << "<José María> José María" << "<Orvia> nice to meet you, José María!"
                                             << "José María" << false;
        QTest::newRow("two words with a capital, no name") << "Good Morning" << "<User> Good Morning" << "<Orvia> one word, please."
                                                           << "User" << true;
        QTest::newRow("several words, no name among them") << "Well. Sure. Nice place" << "<User> Well. Sure. Nice place"
                                                           << "<Orvia> one word, please." << "User" << true;
        QTest::newRow("a name the block gives") << "not telling" << "<friend> not telling" << "<Orvia> fine, friend it is." << "friend" << false;
        QTest::newRow("nothing after the phrase") << "call me" << "<User> call me" << "<Orvia> welcome, User!" << "User" << true;
        // "{" starts the control part of an entry, so the name cuts the reply short.
        QTest::newRow("empty line") << "" << "<{SILENCE}> {SILENCE}" << "<Orvia> nice to meet you," << "{SILENCE}" << false;
    }
    void nameTurn()
    {
        if (!QFileInfo::exists(WordList::kSystemPath))
            QSKIP("the word list (wamerican) tells words from names");
        QFETCH(QString, input);
        QFETCH(QString, echo);
        QFETCH(QString, reply);
        QFETCH(QString, userName);
        QFETCH(bool, stillAsking);
        modPublic::UserName = QStringLiteral("Someone");
        FakeChat view;
        view.input = QStringLiteral("left over");
        ConversationTurn turn(view, kBot, kUser);
        turn.Load();
        QCOMPARE(view.lines, QStringList{QStringLiteral("<Orvia> hello, what is your name?")});
        QCOMPARE(view.input, QString());
        QCOMPARE(modPublic::UserName, QStringLiteral("User"));

        Say(turn, view, input);
        QCOMPARE(view.lines.mid(1), (QStringList{echo, reply}));
        QCOMPARE(view.colors, (QList<LineColor>{kBot, kUser, kBot}));
        QCOMPARE(modPublic::UserName, userName);
        QCOMPARE(view.input, QString());
        QCOMPARE(WatchWordAnswers(turn, view), stillAsking);
        QVERIFY(view.failures.isEmpty());
    }

    // Later in the chat a block that takes the name renames the user, and [name] is already the new one.
    // The name is taken as typed, even where the substitution table reads a word of it otherwise.
    void renamedInTheChat()
    {
        m_kb->folder.WriteData(QStringLiteral("keywords.txt"), {"[Preset2.txt]", "0021  call me"});
        m_kb->folder.WriteData(QStringLiteral("substitutions.txt"), {"k ok", "bo bob", "pls please"});
        FakeChat view;
        ConversationTurn turn(view, kBot, kUser);
        turn.Load();
        Say(turn, view, QStringLiteral("call me K pls"));
        QCOMPARE(modPublic::UserName, QStringLiteral("K"));
        Say(turn, view, QStringLiteral("Actually, call me Bo."));
        QCOMPARE(view.lines.mid(3), (QStringList{"<Bo> Actually, call me Bo.", "<Orvia> welcome, Bo!"}));
    }

    // A follow-up left pending when a chat ends steers neither that window loaded again nor another window.
    void aChatThatEndedSteersNoOther()
    {
        m_kb->folder.WriteData(QStringLiteral("greetings.txt"), {"*0001", "$Hello [name], a pet?", "&pets.txt", "*0002", "# fine.", "*"});
        m_kb->folder.WriteData(QStringLiteral("pets.txt"), {"[greetings.txt]", "0002 yes"});
        FakeChat view, other;
        ConversationTurn turn(view, kBot, kUser), otherTurn(other, kBot, kUser);
        turn.Load();
        Say(turn, view, QStringLiteral("Sam"));
        Say(turn, view, QStringLiteral("hello"));
        QCOMPARE(turn.State().sFollowUpFile, QStringLiteral("pets.txt"));
        otherTurn.Load();
        Say(otherTurn, other, QStringLiteral("Ann"));
        Say(otherTurn, other, QStringLiteral("yes"));
        QCOMPARE(other.lines.last(), QStringLiteral("<Orvia> tell me more."));
        turn.Load();
        Say(turn, view, QStringLiteral("Sam"));
        Say(turn, view, QStringLiteral("yes"));
        QCOMPARE(view.lines.last(), QStringLiteral("<Orvia> tell me more."));
    }

    void chatTurns()
    {
        FakeChat view;
        ConversationTurn turn(view, kBot, kUser);
        turn.Load();
        QVERIFY(WatchWordAnswers(turn, view));
        QCOMPARE(view.colors, QList<LineColor>(2, kPlain));
        Say(turn, view, QStringLiteral("Sam"));
        Say(turn, view, QStringLiteral("Hello there"));
        // An empty line goes to the engine as it is.
        Say(turn, view, QString());
        // A failed reply is shown once, before its turn is written; the next one works.
        qsizetype nShownAt = -1;
        view.onFailure = [&](const FailureNotice &) { nShownAt = view.lines.size(); };
        Say(turn, view, QStringLiteral("this is broken"));
        Say(turn, view, QStringLiteral("hello"));
        QCOMPARE(view.lines.mid(4), (QStringList{"<Sam> Hello there", "<Orvia> hello Sam, how are you", "<Sam> ", "<Orvia> tell me more.",
                                                 "<Sam> this is broken", "<Orvia> ", "<Sam> hello", "<Orvia> hello Sam, how are you"}));
        QCOMPARE(view.colors.mid(4, 2), (QList<LineColor>{kUser, kBot}));
        QCOMPARE(view.failures, (QList<FailureNotice>{{EngineErrors::kApology, QString(), FailureNotice::Kind::Plain}}));
        QCOMPARE(nShownAt, view.lines.indexOf("<Sam> this is broken"));
        QVERIFY(!WatchWordAnswers(turn, view));
    }

    // A base in another language names its own watch word, matched as phrases are.
    void watchWordOfTheBase()
    {
        m_kb->folder.WriteData(QStringLiteral("settings.txt"), {"watch-word Aber"});
        FakeChat view;
        ConversationTurn turn(view, kBot, kUser);
        turn.Load();
        QVERIFY(!WatchWordAnswers(turn, view));
        QVERIFY(WatchWordAnswers(turn, view, QStringLiteral("ABER")));
    }

    // [keyword] in the shortcut's answer names the word the base watches for, not the English one.
    void watchWordInTheAnswer_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("the English base") << QStringList() << "BUT" << "<orvia> but? what?";
        QTest::newRow("a base of its own") << QStringList{"watch-word aber"} << "Aber" << "<orvia> aber? what?";
    }
    void watchWordInTheAnswer()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        if (!settings.isEmpty())
            m_kb->folder.WriteData(QStringLiteral("settings.txt"), settings);
        m_kb->folder.WriteData(QStringLiteral("Preset2.txt"), {"*0010", "# [keyword]? what?", "*"});
        FakeChat view;
        ConversationTurn turn(view, kBot, kUser);
        turn.Load();
        view.input = typed;
        turn.InputChanged();
        QCOMPARE(view.lines.last(), line);
    }

    void voicesAlternate()
    {
        FakeTalk view;
        SelfConversation talk(view, kBot);
        talk.Load();
        QVERIFY(view.timer);
        QCOMPARE(modPublic::UserName, QStringLiteral("Orvia"));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(talk.Tick(), SelfConversation::TickResult::Written);
        QCOMPARE(view.lines, (QStringList{"<Orvia1> Hello Orvia", "<Orvia2> hello Orvia, how are you",
                                          // the same keyword twice running is passed over
                                          "<Orvia1> fine. hello again", "<Orvia2> hello Orvia, how are you"}));
        QCOMPARE(view.colors, QList<LineColor>(4, kBot));
        QCOMPARE(talk.CurrentLine, QStringLiteral("hello Orvia, how are you"));

        // Pausing and resuming keeps whose turn it is; loading again starts over.
        talk.StartStop();
        QVERIFY(!view.timer);
        talk.StartStop();
        QVERIFY(view.timer);
        talk.Tick();
        QVERIFY(view.lines.last().startsWith(QLatin1String("<Orvia1> ")));
        talk.Tick();
        talk.Load();
        QCOMPARE(view.lines, QStringList{"<Orvia1> Hello Orvia"});
        talk.Tick();
        QVERIFY(view.lines.last().startsWith(QLatin1String("<Orvia2> ")));
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
        FakeTalk view;
        SelfConversation talk(view, kBot);
        talk.Load();
        view.AddColoredText(QString(length - view.TranscriptLength() - 2, QLatin1Char('x')), kBot);
        QCOMPARE(view.TranscriptLength(), qsizetype(length));
        talk.Tick();
        QCOMPARE(view.lines.size(), emptied ? 1 : 3);
        QCOMPARE(view.lines.last(), QStringLiteral("<Orvia2> hello Orvia, how are you"));
    }

    // Each failed step reaches the view before the line it spoiled; an entry the
    // error log could not take is told first, as a warning.
    void failuresReachTheView()
    {
        const FailureNotice apology{EngineErrors::kApology, QString(), FailureNotice::Kind::Plain};
        ProgramFolder noLogs(false);
        WriteKnowledge(noLogs);
        noLogs.WriteData(QStringLiteral("Preset3.txt"), {"*0001", "# Nice to meet you, [name]!"});  // no greeting
        noLogs.WriteData(QStringLiteral("preset1.txt"), {"ab"});  // a line too short to search
        FakeChat view;
        QStringList shownOver;
        view.onFailure = [&](const FailureNotice &) { shownOver << view.lines.join('|'); };
        ConversationTurn turn(view, kBot, kUser);
        turn.Load();
        Say(turn, view, QStringLiteral("Bob"));
        Say(turn, view, QStringLiteral("hello"));
        QCOMPARE(view.lines, (QStringList{"<Orvia> ", "<Bob> Bob", "<Orvia> nice to meet you, Bob!", "<Bob> hello", "<Orvia> hello Bob, how are you"}));
        QCOMPARE(shownOver, (QStringList{"", "", "<Orvia> ", "<Orvia> "}));
        QCOMPARE(view.failures.size(), 4);
        for (int i : {0, 2}) {
            QCOMPARE(view.failures[i].kind, FailureNotice::Kind::Warning);
            QVERIFY2(view.failures[i].sText.contains("ErrorLog.txt"), qPrintable(view.failures[i].sText));
            QCOMPARE(view.failures[i + 1], apology);
        }
    }

    void failedTickPausesAfterOneReport()
    {
        m_kb->folder.WriteData(QStringLiteral("keywords.txt"), {QStringLiteral("[missing.txt]"), QStringLiteral("0001 hello")});
        FakeTalk view;
        SelfConversation talk(view, kBot);
        talk.Load();
        // While the report is open the timer may fire again; that tick must not run.
        SelfConversation::TickResult nested = SelfConversation::TickResult::Written;
        view.onFailure = [&](const FailureNotice &) { nested = talk.Tick(); };
        QCOMPARE(talk.Tick(), SelfConversation::TickResult::Failed);
        QCOMPARE(nested, SelfConversation::TickResult::Skipped);
        QCOMPARE(view.failures.size(), 1);
        QCOMPARE(view.lines.last(), QStringLiteral("<Orvia2> "));
        QVERIFY(!view.timer);

        view.onFailure = nullptr;
        talk.StartStop();
        // The empty line goes on to the engine, which answers from the fallback.
        QCOMPARE(talk.Tick(), SelfConversation::TickResult::Written);
        QCOMPARE(view.lines.last(), QStringLiteral("<Orvia1> tell me more."));
        QVERIFY(view.timer);
    }

private:
    std::optional<KnowledgeFixture> m_kb;
};

QTEST_GUILESS_MAIN(TestConversation)
#include "test_conversation.moc"
