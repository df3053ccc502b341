#include "common/modPublic.h"
#include "engine/ModFunctions.h"

#include <QTest>

class TestTemplates : public QObject {
    Q_OBJECT

private slots:
    void reflectPronouns_data();
    void reflectPronouns();
    void fillTemplate_data();
    void fillTemplate();
    void nameTagBringsInLaterTags();
};

void TestTemplates::reflectPronouns_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("reflected");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("i and you both come out as i") << "i like you a lot" << "i like i a lot";
    QTest::newRow("first word always matched") << "you think so" << "i think so";
    QTest::newRow("last word needs a trailing blank") << "tell me" << "tell me";
    QTest::newRow("last word with trailing blank") << "tell me " << "tell you";
    QTest::newRow("i'm becomes you're and stays") << "i'm happy" << "you're happy";
    QTest::newRow("i've comes back as i've") << "i've seen you've" << "i've seen you've";
    QTest::newRow("your becomes my") << "your cat is " << "my cat is";
    QTest::newRow("us becomes you") << "give us cake" << "give you cake";
    QTest::newRow("punctuation blocks a match") << "help me, please" << "help me, please";
    QTest::newRow("adjacent words share a blank") << "me me me " << "you me you";
    QTest::newRow("upper case is lowered") << "I LOVE YOUR CAT " << "i love my cat";
}

void TestTemplates::reflectPronouns()
{
    QFETCH(QString, phrase);
    QFETCH(QString, reflected);
    QCOMPARE(ReflectPronouns(phrase), reflected);
}

void TestTemplates::fillTemplate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("filled");
    QTest::newRow("no tags unchanged") << "hello there " << "x" << "x" << "hello there ";
    QTest::newRow("next and following") << "[next]|[following]" << "like" << "i like you a lot " << "i|i a lot";
    QTest::newRow("trailing-blank phrase loses a letter") << "[following]" << "like " << "i like cats " << "ats";
    QTest::newRow("keyword at the end") << "<[next]><[following]>" << "cats" << "i like cats" << "<><>";
    QTest::newRow("keyword one before the end") << "<[next]><[following]>" << "cats" << "i like cats " << "<><>";
    QTest::newRow("keyword reflected") << "[keyword]" << "me " << "" << "you";
    QTest::newRow("keyword without blank not reflected") << "[keyword]" << "me" << "" << "me";
    QTest::newRow("keyword i love") << "[keyword]" << "I Love" << "" << "i love";
    QTest::newRow("marks deleted, others kept") << "[following]" << "is" << "what is it? really! yes." << "it really yes.";
    QTest::newRow("next empty after a word of marks") << "<[next]>" << "say" << "i say ?! hello" << "<>";
    QTest::newRow("case-insensitive position") << "[following]" << "I NEED" << "i need Help Now" << "help now";
    QTest::newRow("keyword absent takes the tail") << "[following]" << "zzz" << "abcdef" << "def";
    QTest::newRow("empty keyword drops first char") << "[following]" << "" << "hello you " << "ello you";
    QTest::newRow("empty input") << "<[next]>" << "" << "" << "<>";
    QTest::newRow("every occurrence") << "[next] and [next]" << "love" << "i love pizza " << "pizza and pizza";
}

void TestTemplates::fillTemplate()
{
    QFETCH(QString, text);
    QFETCH(QString, keyword);
    QFETCH(QString, input);
    QFETCH(QString, filled);
    modPublic::UserName = QStringLiteral("Ann");
    QCOMPARE(FillTemplate(text, KeywordMatch{keyword, "0001", "f.txt", input}), filled);
}

void TestTemplates::nameTagBringsInLaterTags()
{
    // The name is filled first, so tags it brings in are filled by later steps.
    modPublic::UserName = QStringLiteral("[keyword]");
    QCOMPARE(FillTemplate("hi [name]", KeywordMatch{"my dog", "0001", "f", "my dog"}), QString("hi my dog"));
    modPublic::UserName = QStringLiteral("Ann");
    QCOMPARE(FillTemplate("hi [NAME]", KeywordMatch{}), QString("hi [NAME]"));
}

QTEST_GUILESS_MAIN(TestTemplates)
#include "test_templates.moc"
