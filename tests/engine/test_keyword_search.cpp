#include "common/modPublic.h"
#include "console/LogWriter.h"
#include "engine/ModFunctions.h"
#include "engine/Reply.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
const QString kInternalError = QStringLiteral("There has been an internal Error, Please Contact System Administrator");
}

class TestKeywordSearch : public QObject {
    Q_OBJECT

private slots:
    void firstMatchingLine_data();
    void firstMatchingLine();
    void phraseWithBlanksIsNotTrimmed();
    void failures_data();
    void failures();
    void malformedLineBelowMatchIsNeverRead();
    void excludePassesOverLastKeyword();
    void namesOutsideDataAreRefused();
    void windows1252File();
    void agreesWithPlainSearch();
};

void TestKeywordSearch::firstMatchingLine_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("file");
    QTest::newRow("above every section") << "TOP of it" << "top" << "0009" << "";
    QTest::newRow("top line wins over longer") << "hello good morning" << "hello" << "0001" << "greet.txt";
    QTest::newRow("second section") << "Good Morning to you" << "good morning" << "0002" << "Other File.txt";
    QTest::newRow("inside a word") << "othello" << "hello" << "0001" << "greet.txt";
    QTest::newRow("trailing blank needs a blank") << "hip" << "" << "" << "";
    QTest::newRow("trailing blank matches") << "hi there" << "hi " << "0003" << "Other File.txt";
    QTest::newRow("leading blank needs a blank before") << "theyes" << "" << "" << "";
    QTest::newRow("leading blank") << "oh yes" << " yes" << "0004" << "Other File.txt";
    QTest::newRow("nothing") << "zzz" << "" << "" << "";
    QTest::newRow("empty sentence matches nothing") << "" << "" << "" << "";
}

void TestKeywordSearch::firstMatchingLine()
{
    QFETCH(QString, sentence);
    QFETCH(QString, keyword);
    QFETCH(QString, code);
    QFETCH(QString, file);
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    folder.WriteData("keywords.txt", {"0009 top", "/ comment hello", "[greet.txt]", "0001 Hello", "", "[Other File.txt]",
                                      "0002 good morning", "0003 hi ", "0004  yes"});
    QCOMPARE(KeywordSearch(sentence), (KeywordMatch{keyword, code, file, sentence}));
    QVERIFY(dialogs.messages.isEmpty());
}

void TestKeywordSearch::phraseWithBlanksIsNotTrimmed()
{
    ProgramFolder folder;
    // Code, separator, then a phrase of four blanks; the empty phrase matches anything.
    folder.WriteData("idx.txt", {"[f]", "0001     ", "00025"});
    QCOMPARE(KeywordSearchFile("a b", folder.DataPath("idx.txt")).sCode, QString("0002"));
    QCOMPARE(KeywordSearchFile("a    b", folder.DataPath("idx.txt")).sKeyword, QString("    "));
    QCOMPARE(KeywordSearchFile("", folder.DataPath("idx.txt")).sCode, QString());
}

void TestKeywordSearch::failures_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("descriptionPart");
    QTest::newRow("missing file") << QStringList() << "keywords.txt";
    QTest::newRow("short keyword line") << QStringList{"[f]", "0001 x", "abcd", "0002 hello"} << "line 3";
    QTest::newRow("one-character section") << QStringList{"[", "0002 hello"} << "line 1";
}

void TestKeywordSearch::failures()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, descriptionPart);
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    if (!lines.isEmpty())
        folder.WriteData("keywords.txt", lines);
    for (int run = 1; run <= 2; ++run) {
        const KeywordMatch m = KeywordSearch("hello");
        QCOMPARE(m, (KeywordMatch{"", "", "", "hello"}));
        QCOMPARE(dialogs.messages.size(), run);
        QCOMPARE(dialogs.messages.last().sText, kInternalError);
        QCOMPARE(dialogs.messages.last().sTitle, QString("Orvia"));
        const QStringList log = folder.LogLines(ErrorLogFileName);
        QCOMPARE(log.size(), run);
        const QStringList fields = log.last().split(QChar(0xA5));
        QCOMPARE(fields.size(), 4);
        QCOMPARE(fields[1], QString("File Access Problem"));
        QCOMPARE(fields[2], QString("KeywordSearch Function"));
        QVERIFY2(fields[3].startsWith("Error Number "), qPrintable(fields[3]));
        QVERIFY2(fields[3].contains("( ") && fields[3].contains(")(") && fields[3].endsWith(")"), qPrintable(fields[3]));
        QVERIFY2(fields[3].contains(descriptionPart), qPrintable(fields[3]));
    }
}

void TestKeywordSearch::malformedLineBelowMatchIsNeverRead()
{
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    folder.WriteData("keywords.txt", {"[f]", "0001 hello", "ab"});
    QCOMPARE(KeywordSearch("hello").sCode, QString("0001"));
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(KeywordSearch("bye").sCode, QString());
    QCOMPARE(dialogs.messages.size(), 1);
}

void TestKeywordSearch::excludePassesOverLastKeyword()
{
    ProgramFolder folder;
    folder.WriteData("keywords.txt", {"[f]", "0001 cat", "0002 cat", "0003 my cat", "00045"});
    modPublic::LastMatch.sKeyword = "cat";
    KeywordMatch m = KeywordSearchExclude("my cat");
    QCOMPARE(m.sCode, QString("0003"));
    QCOMPARE(m.sInput, QString("my cat"));
    // With nothing remembered, only empty phrases are passed over.
    modPublic::LastMatch.sKeyword.clear();
    QCOMPARE(KeywordSearchExclude("my cat").sCode, QString("0001"));
    QCOMPARE(KeywordSearchExclude("dog").sCode, QString());
    modPublic::LastMatch.sKeyword = "my cat";
    QCOMPARE(KeywordSearchExclude("dog").sCode, QString("0004"));
}

void TestKeywordSearch::namesOutsideDataAreRefused()
{
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    folder.WriteData("../secret.txt", {"[f]", "0001 hello"});
    QCOMPARE(KeywordSearchFile("hello", folder.DataPath("../secret.txt")).sCode, QString());
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(folder.LogLines(ErrorLogFileName).value(0).contains("outside the data folder"));
}

void TestKeywordSearch::windows1252File()
{
    ProgramFolder folder;
    // "café" in Windows-1252: not valid UTF-8.
    folder.WriteDataBytes("keywords.txt", QByteArray("[f]\r\n0001 caf\xE9\r\n"));
    QCOMPARE(KeywordSearch(QString::fromUtf8("un CAFÉ")).sKeyword, QString::fromUtf8("café"));
    folder.WriteDataBytes("keywords.txt", QByteArray("\xEF\xBB\xBF/x\n[f]\r0001 na\xC3\xAFve"));
    QCOMPARE(KeywordSearch(QString::fromUtf8("naïve")).sCode, QString("0001"));
}

namespace {

// The search written the plain way, for comparison: decode, lower-case, contains.
QString PlainSearchCode(const QStringList &lines, const QString &sSentence)
{
    const QString sLower = sSentence.toLower();
    for (const QString &sLine : lines) {
        if (sLine.isEmpty() || sLine.front() == '/' || sLine.front() == '[')
            continue;
        if (!sLower.isEmpty() && sLower.contains(sLine.mid(5).toLower()))
            return sLine.left(4);
    }
    return QString();
}

}  // namespace

void TestKeywordSearch::agreesWithPlainSearch()
{
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    const QStringList pieces{"a", "B", "ab", " ", "é", "É", "ß", "日", "x ", " y", "Ab", "İ"};
    QRandomGenerator rng(7);
    auto randomText = [&](int maxPieces) {
        QString s;
        for (int i = 0, n = rng.bounded(maxPieces) + 1; i < n; ++i)
            s += pieces[rng.bounded(pieces.size())];
        return s;
    };
    for (int round = 0; round < 200; ++round) {
        QStringList lines{"[r.txt]"};
        for (int i = 0; i < 12; ++i)
            lines << QString("%1 %2").arg(i, 4, 10, QChar('0')).arg(randomText(3));
        folder.WriteData("keywords.txt", lines);
        const QString sSentence = randomText(8);
        QCOMPARE(KeywordSearch(sSentence).sCode, PlainSearchCode(lines, sSentence));
    }
    QVERIFY(dialogs.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestKeywordSearch)
#include "test_keyword_search.moc"
