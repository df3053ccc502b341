#include "common/modPublic.h"
#include "console/LogWriter.h"
#include "engine/Reply.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QFile>
#include <QTest>

// A knowledge base small enough to read in one glance.
class TestReply : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstReplyAndLastMatch();
    void repeatAlternates();
    void repeatWithoutOtherLineFallsBack();
    void noMatchFallsBack();
    void followUpIndexIsTriedFirst();
    void missingFollowUpReportsOnceThenAnswers();
    void emptySentence();
    void trailingBlankPhraseMatchesLastWord();
    void editsTakeEffectAtTheNextSentence();
    void failedLogWriteKeepsTheReply();

private:
    ProgramFolder *m_folder = nullptr;
    ScriptedDialogs *m_dialogs = nullptr;
};

void TestReply::init()
{
    m_folder = new ProgramFolder;
    m_dialogs = new ScriptedDialogs;
    m_folder->WriteData("keywords.txt", {"[a.txt]", "0001 cat", "0002 my cat", "0003 dog", "0004 bye "});
    m_folder->WriteData("a.txt", {"*0001", "# cats!", "*0002", "# your cat!", "*0003", "$do you walk it?", "&walk.txt", "*0004",
                                  "# bye [name]"});
    m_folder->WriteData("walk.txt", {"[b.txt]", "0001 yes", "0002 no"});
    m_folder->WriteData("b.txt", {"*0001", "# good walker", "*0002", "# lazy then"});
    m_folder->WriteData("Preset4.txt", {"*0001", "# tell me more"});
}

void TestReply::cleanup()
{
    delete m_dialogs;
    delete m_folder;
}

void TestReply::firstReplyAndLastMatch()
{
    const ReplyResult r = GetReply("I have a cat");
    QCOMPARE(r.sText, QString("cats!"));
    QCOMPARE(modPublic::LastMatch.sKeyword, QString("cat"));
    QCOMPARE(modPublic::LastMatch.sInput, QString("I have a cat "));
}

void TestReply::repeatAlternates()
{
    QCOMPARE(GetReply("my cat").sText, QString("cats!"));
    QCOMPARE(GetReply("my cat").sText, QString("your cat!"));
    QCOMPARE(modPublic::LastMatch.sInput, QString("my cat"));
    QCOMPARE(GetReply("my cat").sText, QString("cats!"));
}

void TestReply::repeatWithoutOtherLineFallsBack()
{
    QCOMPARE(GetReply("a cat").sText, QString("cats!"));
    QCOMPARE(GetReply("a cat").sText, QString("tell me more"));
    QCOMPARE(modPublic::LastMatch.sFile, QString("Preset4.txt"));
    QCOMPARE(modPublic::LastMatch.sKeyword, QString());
}

void TestReply::noMatchFallsBack()
{
    const ReplyResult r = GetReply("weather");
    QCOMPARE(r.sText, QString("tell me more"));
    QCOMPARE(modPublic::LastMatch, (KeywordMatch{"", "0001", "Preset4.txt", "weather"}));
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestReply::followUpIndexIsTriedFirst()
{
    const ReplyResult asked = GetReply("my dog");
    QCOMPARE(asked.sText, QString("do you walk it?"));
    QVERIFY(asked.IsQuestion);
    QCOMPARE(modPublic::FollowUpFile, QString("walk.txt"));
    // "yes" would match nothing in the main index; the follow-up answers it.
    QCOMPARE(GetReply("yes, my cat").sText, QString("good walker"));
    QCOMPARE(modPublic::FollowUpFile, QString());
    // The follow-up is spent: back to the main index.
    QCOMPARE(GetReply("yes").sText, QString("tell me more"));
}

void TestReply::missingFollowUpReportsOnceThenAnswers()
{
    modPublic::FollowUpFile = " gone.txt ";
    QCOMPARE(GetReply("a dog").sText, QString("do you walk it?"));
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_folder->LogLines(ErrorLogFileName).size(), 1);
    QVERIFY(m_folder->LogLines(ErrorLogFileName).first().contains("KeywordSearchFile Function"));
}

void TestReply::emptySentence()
{
    QCOMPARE(GetReply("").sText, QString("tell me more"));
    // Nothing matched the lone blank, as nothing matched before: the repeat
    // search ran too, on the bare (empty) sentence.
    QCOMPARE(modPublic::LastMatch.sInput, QString());
}

void TestReply::trailingBlankPhraseMatchesLastWord()
{
    modPublic::UserName = "Kim";
    QCOMPARE(GetReply("bye").sText, QString("bye Kim"));
    QCOMPARE(GetReply("byebye").sText, QString("tell me more"));
}

void TestReply::editsTakeEffectAtTheNextSentence()
{
    QCOMPARE(GetReply("a cat").sText, QString("cats!"));
    m_folder->WriteData("keywords.txt", {"[a.txt]", "0002 dog"});
    m_folder->WriteData("a.txt", {"*0002", "# edited"});
    QCOMPARE(GetReply("a dog and a cat").sText, QString("edited"));
}

void TestReply::failedLogWriteKeepsTheReply()
{
    ProgramFolder noLogs(false);
    ScriptedDialogs dialogs;
    noLogs.WriteData("Preset4.txt", {"*0001", "# still here"});
    // No keywords.txt and no logs folder: the search fails and so does its log entry.
    QCOMPARE(GetReply("hello").sText, QString("still here"));
    QCOMPARE(dialogs.messages.size(), 4);  // the main search and the repeat search
    QVERIFY(dialogs.messages[0].sText.contains("ErrorLog.txt"));
    QCOMPARE(dialogs.messages[1].sText, QString("There has been an internal Error, Please Contact System Administrator"));
    QVERIFY(!QFile::exists(noLogs.Path() + "/logs"));
}

QTEST_GUILESS_MAIN(TestReply)
#include "test_reply.moc"
