#include "common/modPublic.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "tools/KeywordValidator.h"
#include "tools/PhraseShadows.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {

// Counter order: lines, blanks, comments, keywords, references, missing files,
// missing references, errors, statements, questions.
QList<int> AllCounts(const KeywordValidator::Counts &c)
{
    return {c.LineCounter, c.sBlanks,      c.sComments,          c.sWorkingWords, c.RefFound,
            c.sMissingFiles, c.sMissingReferences, c.sErrors, c.sStatements,   c.sQuestions};
}

QStringList Summary(const QList<int> &n)
{
    return {QStringLiteral("Validation Report Log"),
            QStringLiteral("%1 Keywords + %2 Comments Lines + %3 Blank Lines + %4 References = %5 Lines")
                .arg(n[3]).arg(n[2]).arg(n[1]).arg(n[4]).arg(n[0]),
            QStringLiteral("No. Errors - %1").arg(n[7]),
            QStringLiteral("     No. of Missing References: %1").arg(n[6]),
            QStringLiteral("     No. of Missing Files: %1").arg(n[5]),
            n[7] == 0 ? QStringLiteral("The Operation was completed Successfully")
                      : QStringLiteral("The Operation was completed but errors were encountered")};
}

const QString kNotFound = QStringLiteral("!!!! --- Responses Not Found --- !!!! ");

}  // namespace

class TestKeywordValidator : public QObject {
    Q_OBJECT

private slots:
    void walkReportsAndCounts_data();
    void walkReportsAndCounts();
    void twoWalksGiveTheSameCounts();
    void missingIndexIsOneError();
    void shippedDataValidates();
    void shadowsAgreeWithAPlainSearch();
};

void TestKeywordValidator::walkReportsAndCounts_data()
{
    QTest::addColumn<QStringList>("index");
    QTest::addColumn<QStringList>("responses");  // written as r.txt when not empty
    QTest::addColumn<QStringList>("problems");   // report lines before the summary
    QTest::addColumn<QList<int>>("counts");

    const QStringList block{QStringLiteral("*0001"), QStringLiteral("# hello"), QStringLiteral("$how are you?"),
                            QStringLiteral("*")};
    QTest::newRow("comment, blank, section")
        << QStringList{QStringLiteral("/ c"), QString(), QStringLiteral("[r.txt]")} << block << QStringList()
        << QList<int>{3, 1, 1, 0, 1, 0, 0, 0, 0, 0};
    QTest::newRow("section file absent")
        << QStringList{QStringLiteral("/ c"), QString(), QStringLiteral("[greet.txt]")} << block
        << QStringList{QStringLiteral("Line 3 - Response file not found (greet.txt)")}
        << QList<int>{3, 1, 1, 0, 1, 1, 0, 1, 0, 0};
    QTest::newRow("section name in another letter case")
        << QStringList{QStringLiteral("[R.TXT]"), QStringLiteral("0001 x")} << block << QStringList()
        << QList<int>{2, 0, 0, 1, 1, 0, 0, 0, 1, 1};
    // Two blocks of 0001 pool their entries, and each keyword line reads them again.
    QTest::newRow("code referenced twice")
        << QStringList{QStringLiteral("[r.txt]"), QStringLiteral("0001 hello"), QStringLiteral("0001 hi")}
        << QStringList{QStringLiteral("*0001"), QStringLiteral("# one"), QStringLiteral("$two?"), QStringLiteral("*0002"),
                       QStringLiteral("# other"), QStringLiteral("*0001"), QStringLiteral("# three")}
        << QStringList() << QList<int>{3, 0, 0, 2, 1, 0, 0, 0, 4, 2};
    QTest::newRow("code without a block")
        << QStringList{QStringLiteral("[r.txt]"), QStringLiteral("0007 Hello")} << block
        << QStringList{QStringLiteral("Checking Keyword: hello(Line: 2 Number: 0007)"), kNotFound}
        << QList<int>{2, 0, 0, 1, 1, 0, 1, 1, 0, 0};
    QTest::newRow("blank-led line is a keyword line")
        << QStringList{QStringLiteral("[r.txt]"), QStringLiteral(" / not a comment")} << block
        << QStringList{QStringLiteral("Checking Keyword: t a comment(Line: 2 Number:  / n)"), kNotFound}
        << QList<int>{2, 0, 0, 1, 1, 0, 1, 1, 0, 0};
    QTest::newRow("keyword under a missing file")
        << QStringList{QStringLiteral("[gone.txt]"), QStringLiteral("0001 hi ")} << block
        << QStringList{QStringLiteral("Line 1 - Response file not found (gone.txt)"),
                       QStringLiteral("Checking Keyword: hi (Line: 2 Number: 0001)"), kNotFound}
        << QList<int>{2, 0, 0, 1, 1, 1, 1, 2, 0, 0};
    QTest::newRow("keyword above every section")
        << QStringList{QStringLiteral("0001 hi"), QStringLiteral("[r.txt]")} << block
        << QStringList{QStringLiteral("Checking Keyword: hi(Line: 1 Number: 0001)"), kNotFound,
                       QStringLiteral("     No response file is named for this keyword")}
        << QList<int>{2, 0, 0, 1, 1, 0, 1, 1, 0, 0};
    QTest::newRow("malformed keyword and section lines")
        << QStringList{QStringLiteral("[r.txt]"), QStringLiteral("abc"), QStringLiteral("["), QStringLiteral("0001 hello")}
        << block
        << QStringList{QStringLiteral("Line 2 - Keyword line too short for a code and a phrase (abc)"),
                       QStringLiteral("Line 3 - Section line names no response file ([)"),
                       QStringLiteral("Checking Keyword: hello(Line: 4 Number: 0001)"), kNotFound,
                       QStringLiteral("     No response file is named for this keyword")}
        << QList<int>{4, 0, 0, 2, 2, 0, 3, 3, 0, 0};
    QTest::newRow("short attribute line")
        << QStringList{QStringLiteral("[r.txt]"), QStringLiteral("0001 hello")}
        << QStringList{QStringLiteral("*0001"), QStringLiteral("# hi"), QStringLiteral("@short"), QStringLiteral("# more")}
        << QStringList{QStringLiteral("Checking Keyword: hello(Line: 2 Number: 0001)"), kNotFound,
                       QStringLiteral("     Attribute line 3 of r.txt is shorter than nine characters")}
        << QList<int>{2, 0, 0, 1, 1, 0, 1, 1, 1, 0};
    // Every entry is judged, so a block that can fail on some draw always counts as missing.
    QTest::newRow("entries that leave no text")
        << QStringList{QStringLiteral("[r.txt]"), QStringLiteral("0001 a"), QStringLiteral("0002 b"), QStringLiteral("0003 c")}
        << QStringList{QStringLiteral("*0001"), QStringLiteral("# one"), QStringLiteral("#"), QStringLiteral("*0002"),
                       QStringLiteral("$"), QStringLiteral("*0003"), QStringLiteral("# {bye}"), QStringLiteral("$fine?")}
        << QStringList{QStringLiteral("Checking Keyword: a(Line: 2 Number: 0001)"), kNotFound,
                       QStringLiteral("     Line 3 of r.txt is a lone \"#\", which fails when it is picked"),
                       QStringLiteral("Checking Keyword: b(Line: 3 Number: 0002)"), kNotFound,
                       QStringLiteral("     Line 5 of r.txt leaves no answer text"),
                       QStringLiteral("Checking Keyword: c(Line: 4 Number: 0003)"), kNotFound,
                       QStringLiteral("     Line 7 of r.txt leaves no answer text")}
        << QList<int>{4, 0, 0, 3, 1, 0, 3, 3, 3, 2};
}

void TestKeywordValidator::walkReportsAndCounts()
{
    QFETCH(QStringList, index);
    QFETCH(QStringList, responses);
    QFETCH(QStringList, problems);
    QFETCH(QList<int>, counts);
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    folder.WriteData(QStringLiteral("keywords.txt"), index);
    if (!responses.isEmpty())
        folder.WriteData(QStringLiteral("r.txt"), responses);

    KeywordValidator validator;
    validator.Run();

    QCOMPARE(AllCounts(validator.counts()), counts);
    const QStringList expected = QStringList{QString()} + problems + Summary(counts);
    QCOMPARE(validator.Report().split(QStringLiteral("\r\n")), expected);
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(!validator.IsRunning());
}

void TestKeywordValidator::twoWalksGiveTheSameCounts()
{
    ProgramFolder folder;
    folder.WriteData(QStringLiteral("keywords.txt"), {QStringLiteral("/ c"), QString(), QStringLiteral("[r.txt]"),
                                                      QStringLiteral("0001 a"), QStringLiteral("0009 b"), QStringLiteral("[x.txt]")});
    folder.WriteData(QStringLiteral("r.txt"), {QStringLiteral("*0001"), QStringLiteral("# a"), QStringLiteral("# b")});
    KeywordValidator validator;
    validator.Run();
    const QList<int> first = AllCounts(validator.counts());
    const QString sFirstReport = validator.Report();
    validator.Run();
    QCOMPARE(AllCounts(validator.counts()), first);
    QCOMPARE(validator.Report(), sFirstReport);
    QCOMPARE(first, (QList<int>{6, 1, 1, 2, 2, 1, 1, 2, 2, 0}));
}

void TestKeywordValidator::missingIndexIsOneError()
{
    ProgramFolder folder;
    KeywordValidator validator;
    validator.Run();
    const QStringList lines = validator.Report().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.value(1), QStringLiteral("Keyword index file not found (%1)").arg(folder.DataPath(QStringLiteral("keywords.txt"))));
    QCOMPARE(validator.counts().sErrors, 1);
    QCOMPARE(validator.counts().sMissingFiles, 1);
    QCOMPARE(validator.counts().LineCounter, 0);
    QCOMPARE(lines.last(), QStringLiteral("The Operation was completed but errors were encountered"));

    // The fixed name is read whatever the process-wide index name says.
    modPublic::KeywordIndexFile = QStringLiteral("other.txt");
    folder.WriteData(QStringLiteral("keywords.txt"), {QStringLiteral("/ c")});
    validator.Run();
    QCOMPARE(validator.counts().sErrors, 0);
    QCOMPARE(validator.counts().sComments, 1);
}

void TestKeywordValidator::shippedDataValidates()
{
    ProgramFolder folder;
    const QDir shipped(QStringLiteral(ORVIA_SHIPPED_DATA));
    const QStringList names = shipped.entryList(QDir::Files);
    QVERIFY(names.contains(QStringLiteral("keywords.txt")));
    for (const QString &sName : names)
        QVERIFY(QFile::copy(shipped.filePath(sName), folder.DataPath(sName)));
    KeywordValidator validator;
    validator.Run();
    QVERIFY2(validator.counts().sErrors == 0, qPrintable(validator.Report()));
    QVERIFY(validator.counts().sWorkingWords > 0);
}

// The automaton against the plain search: the topmost earlier phrase held within each phrase.
void TestKeywordValidator::shadowsAgreeWithAPlainSearch()
{
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
        QStringList phrases;
        for (int i = 0; i < 30; ++i) {
            QString s;
            for (int n = random.bounded(5); n > 0; --n)
                s += QLatin1Char("ab "[random.bounded(3)]);
            phrases << s;
        }
        QList<int> expected;
        for (qsizetype i = 0; i < phrases.size(); ++i) {
            qsizetype j = 0;
            while (j < i && (phrases[i].isEmpty() || phrases[j].isEmpty() || !phrases[i].contains(phrases[j])))
                ++j;
            expected << (j < i ? int(j) : -1);
        }
        QCOMPARE(FindShadowingPhrases(phrases), expected);
    }
}

QTEST_GUILESS_MAIN(TestKeywordValidator)
#include "test_keywordvalidator.moc"
