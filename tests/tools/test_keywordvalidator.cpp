#include "common/modPublic.h"
#include "support/ProgramFolder.h"
#include "logs/LogWriter.h"
#include "tools/KeywordValidator.h"
#include "tools/KnowledgeFiles.h"
#include "tools/PhraseShadows.h"
#include "support/PlainPhrase.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

namespace {

// Lines separated by "|"; a lone "!" stands for the not-found line that follows each checked keyword.
QStringList L(const char *s)
{
    QStringList lines = *s ? QString::fromUtf8(s).split('|') : QStringList();
    lines.replaceInStrings(QRegularExpression("^!$"), "!!!! --- Responses Not Found --- !!!! ");
    return lines;
}

// Counter order: lines, blanks, comments, keywords, references, missing files,
// missing references, errors, statements, questions.
QList<int> AllCounts(const KeywordValidator::Counts &c)
{
    return {c.LineCounter, c.sBlanks, c.sComments, c.sWorkingWords, c.RefFound, c.sMissingFiles, c.sMissingReferences, c.sErrors, c.sStatements, c.sQuestions};
}

QStringList Summary(const QList<int> &n)
{
    return {"Validation Report Log", QString("%1 Keywords + %2 Comments Lines + %3 Blank Lines + %4 References = %5 Lines").arg(n[3]).arg(n[2]).arg(n[1]).arg(n[4]).arg(n[0]),
            QString("No. Errors - %1").arg(n[7]), QString("     No. of Missing References: %1").arg(n[6]), QString("     No. of Missing Files: %1").arg(n[5]),
            n[7] ? "The Operation was completed but errors were encountered" : "The Operation was completed Successfully"};
}

}  // namespace

class TestKeywordValidator : public QObject {
    Q_OBJECT

private slots:
    void walkReportsAndCounts_data()
    {
        QTest::addColumn<QStringList>("index");
        QTest::addColumn<QStringList>("responses");  // r.txt
        QTest::addColumn<QStringList>("problems");   // report lines before the summary
        QTest::addColumn<QList<int>>("counts");
        const QStringList block = L("*0001|# hello|$how are you?|*");
        QTest::newRow("comments, blank, sections") << L("/ c||/ d|[r.txt]|0001 a|0009 b|[x.txt]") << L("*0001|# a|# b")
                                                   << L("Checking Keyword: b(Line: 6 Number: 0009)|!|Line 7 - Response file not found (x.txt)")
                                                   << QList<int>{7, 1, 2, 2, 2, 1, 1, 2, 2, 0};
        QTest::newRow("section name in another letter case") << L("[R.TXT]|0001 x") << block << L("") << QList<int>{2, 0, 0, 1, 1, 0, 0, 0, 1, 1};
        // Two blocks of 0001 pool their entries, and each keyword line reads them again; a
        // control part after some text leaves an answer.
        QTest::newRow("code referenced twice") << L("[r.txt]|0001 hello|0001 hi") << L("*0001|# one|$two?|*0002|# other|*0001|# three {x}") << L("")
                                               << QList<int>{3, 0, 0, 2, 1, 0, 0, 0, 4, 2};
        QTest::newRow("blank-led line is a keyword line") << L("[r.txt]| / not a comment") << block
                                                          << L("Checking Keyword: t a comment(Line: 2 Number:  / n)|!") << QList<int>{2, 0, 0, 1, 1, 0, 1, 1, 0, 0};
        QTest::newRow("section outside data") << L("[../x.txt]|0001 hi") << block
                                              << L("Line 1 - Response file not found (../x.txt)|Checking Keyword: hi(Line: 2 Number: 0001)|!|"
                                                   "     the name F/data/../x.txt leads outside the data folder")
                                              << QList<int>{2, 0, 0, 1, 1, 1, 1, 2, 0, 0};
        QTest::newRow("keyword under a missing file") << L("[gone.txt]|0001 hi ") << block
                                                      << L("Line 1 - Response file not found (gone.txt)|Checking Keyword: hi (Line: 2 Number: 0001)|!")
                                                      << QList<int>{2, 0, 0, 1, 1, 1, 1, 2, 0, 0};
        QTest::newRow("malformed lines, keyword above every section")
            << L("0001 top|[r.txt]|abc|[|0001 hello") << block
            << L("Checking Keyword: top(Line: 1 Number: 0001)|!|     No response file is named for this keyword|"
                 "Line 3 - Keyword line too short for a code and a phrase (abc)|Line 4 - Section line names no response file ([)|"
                 "Checking Keyword: hello(Line: 5 Number: 0001)|!|     No response file is named for this keyword")
            << QList<int>{5, 0, 0, 3, 2, 0, 4, 4, 0, 0};
        QTest::newRow("short attribute line") << L("[r.txt]|0001 hello") << L("*0001|# hi|@short|# more")
                                              << L("Checking Keyword: hello(Line: 2 Number: 0001)|!|     Attribute line 3 of r.txt is shorter than nine characters")
                                              << QList<int>{2, 0, 0, 1, 1, 0, 1, 1, 1, 0};
        // Every entry is judged, so a block that can fail on some draw always counts as missing.
        QTest::newRow("entries that leave no text")
            << L("[r.txt]|0001 a|0002 b|0003 c") << L("*0001|# one|#|*0002|$|*0003|# {bye}|$fine?")
            << L("Checking Keyword: a(Line: 2 Number: 0001)|!|     Line 3 of r.txt is a lone \"#\", which fails when it is picked|"
                 "Checking Keyword: b(Line: 3 Number: 0002)|!|     Line 5 of r.txt leaves no answer text|"
                 "Checking Keyword: c(Line: 4 Number: 0003)|!|     Line 7 of r.txt leaves no answer text")
            << QList<int>{4, 0, 0, 3, 1, 0, 3, 3, 3, 2};
    }

    void walkReportsAndCounts()
    {
        QFETCH(QStringList, index);
        QFETCH(QStringList, responses);
        QFETCH(QStringList, problems);
        QFETCH(QList<int>, counts);
        ProgramFolder folder;
        folder.WriteData("keywords.txt", index);
        folder.WriteData("r.txt", responses);
        KeywordValidator validator;
        for (int run = 1; run <= 2; ++run) {  // a second walk starts from nothing
            validator.Run();
            QCOMPARE(AllCounts(validator.counts()), counts);
            QCOMPARE(QString(validator.Report()).replace(folder.Path(), "F").split("\r\n"), QStringList{QString()} + problems + Summary(counts));
        }
        QVERIFY(folder.LogLines(ErrorLogFileName).isEmpty());  // the walk reports in its report only
        QVERIFY(!validator.IsRunning());
    }

    void missingIndexIsOneError()
    {
        ProgramFolder folder;
        KeywordValidator validator;
        validator.Run();
        QCOMPARE(validator.Report().split("\r\n").value(1), "Keyword index file not found (" + folder.DataPath("keywords.txt") + ")");
        QCOMPARE(AllCounts(validator.counts()), (QList<int>{0, 0, 0, 0, 0, 1, 0, 1, 0, 0}));
        // The fixed name is read whatever the process-wide index name says.
        modPublic::KeywordIndexFile = "other.txt";
        folder.WriteData("keywords.txt", {"/ c"});
        validator.Run();
        QCOMPARE(AllCounts(validator.counts()), (QList<int>{1, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    }

    // Bytes that Windows-1252 leaves undefined are found with their line, a lone CR ending a line too.
    void undefinedBytes()
    {
        ProgramFolder folder;
        KnowledgeFiles files;
        for (int c = 0x80; c <= 0x9F; ++c) {
            const QString sName = QString::number(c) + ".txt";
            folder.WriteDataBytes(sName, QByteArray("caf\xE9\r") + char(c) + "\r\n");
            const KnowledgeFile &file = files.File(sName);
            const bool undefined = QList<int>{0x81, 0x8D, 0x8F, 0x90, 0x9D}.contains(c);
            QCOMPARE(file.nUndefinedByte, undefined ? c : 0);
            QCOMPARE(file.nUndefinedByteLine, undefined ? 2 : 0);
            QVERIFY(file.firstLineEnd == KnowledgeFile::Cr && file.nMixedEndLine == 2);
        }
    }

    // The automaton against the plain reading: an earlier phrase shadows a later one when it
    // matches every sentence made of the later one's core and what may stand beside it: the
    // start or end, a blank or a comma, and where the later phrase has no word edge, a letter.
    void shadowsAgreeWithAPlainSearch()
    {
        QRandomGenerator random(7);
        for (int round = 0; round < 200; ++round) {
            QStringList phrases;
            for (int i = 0; i < 30; ++i) {
                phrases << QString();
                for (int n = random.bounded(5); n > 0; --n)
                    phrases.last() += QLatin1Char("ab ,"[random.bounded(4)]);
            }
            QList<int> expected;
            for (qsizetype i = 0, j = 0; i < phrases.size(); ++i, j = 0) {
                const QString &p = phrases[i];
                const bool word = p.contains(QRegularExpression("[^ ]"));
                const bool left = word && p.startsWith(' '), right = word && p.endsWith(' ');
                const QString sCore = p.mid(left, p.size() - left - right);
                const auto shadows = [&](const QString &sEarlier) {
                    for (const QString &a : left ? QStringList{"", " ", ","} : QStringList{"", " ", ",", "q"})
                        for (const QString &b : right ? QStringList{"", " ", ","} : QStringList{"", " ", ",", "q"})
                            if (!(a + sCore + b).contains(PlainPhrase(sEarlier)))
                                return false;
                    return true;
                };
                while (j < i && (p.isEmpty() || phrases[j].isEmpty() || !shadows(phrases[j])))
                    ++j;
                expected << (j < i ? int(j) : -1);
            }
            QCOMPARE(FindShadowingPhrases(phrases), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestKeywordValidator)
#include "test_keywordvalidator.moc"
