// The grouping of unanswered sentences and the place a new line would take.
#include "cli/FallbackGroups.h"

#include <QTest>

class TestFallbackGroups : public QObject {
    Q_OBJECT

private slots:
    // Sentences "|"-separated; groups as "count: words / phrase", the lone ones as "count: -".
    void groups_data()
    {
        QTest::addColumn<QString>("sentences");
        QTest::addColumn<QStringList>("groups");
        QTest::newRow("largest first, stop words left out")
            << "my cat is ill|the cat is ill|is it raining|it is raining again|it is raining"
            << QStringList{"3: raining / \" raining \"", "2: cat, ill / \" cat is ill \""};
        QTest::newRow("a sentence goes to one group only")
            << "red bike|blue bike|red car|blue car|blue sky" << QStringList{"3: blue / \" blue \"", "2: red / \" red \""};
        QTest::newRow("folded as the search folds") << "STRASSE NOW|die straße" << QStringList{"2: strasse / \" strasse \""};
        QTest::newRow("case and punctuation fold, apostrophes stay")
            << "Dogs' Toys!|dogs' toys?|don't you dare" << QStringList{"2: dogs', toys / \" dogs' toys \"", "1: -"};
        // The phrase is what a keyword line would find in each of them.
        QTest::newRow("words apart are no phrase") << "red, bike|red bike|a red bike" << QStringList{"3: red, bike / \" red \""};
        QTest::newRow("nothing shared") << "zebra|yak" << QStringList{"2: -"};
    }
    void groups()
    {
        QFETCH(QString, sentences);
        QFETCH(QStringList, groups);
        QList<FallbackGroups::Sentence> input;
        for (const QString &s : sentences.split('|'))
            input.append({s, 1, QString()});
        QStringList got;
        const FallbackGroups grouped(input, FallbackGroups::BuiltInStopWords());
        for (const FallbackGroups::Group &g : grouped.Groups())
            got << QString("%1: %2").arg(g.Count()).arg(g.words.isEmpty() ? "-" : g.words.join(", ") + " / \"" + g.sPhrase + '"');
        QCOMPARE(got, groups);
    }

    // Above the first line that would answer first, below the last more specific line above it.
    void place_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("index");  // lines "|"-separated
        QTest::addColumn<int>("above");
        QTest::addColumn<int>("below");
        QTest::newRow("nothing near") << " red bike " << "[a.txt]|0001 hello|0002 cat" << 0 << 0;
        QTest::newRow("a line inside it") << " homework " << "[a.txt]|0001 my homework|0002 work|0003 homework help" << 3 << 2;
        QTest::newRow("word edges kept") << " cat " << "[a.txt]|0001 bobcat|0002  cat|0003 cats" << 3 << 0;
        QTest::newRow("an edge at the start only") << " home " << "[a.txt]|0001 at home now|0002  hom" << 3 << 2;
        QTest::newRow("comments and sections are no phrases") << " cat " << "/ cat|[cat]|0001 the cat sat" << 0 << 3;
        QTest::newRow("more specific lines below the first inside it do not count")
            << " blue car " << "[a.txt]|0001 car|0002 old blue car" << 2 << 0;
    }
    void place()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, index);
        QFETCH(int, above);
        QFETCH(int, below);
        QList<QStringView> lines;
        const QStringList split = index.split('|');
        for (const QString &s : split)
            lines << QStringView(s);
        const FallbackGroups::Place place = FallbackGroups::PlaceIn(phrase, lines);
        QCOMPARE(place.nAbove, above);
        QCOMPARE(place.nBelow, below);
    }
};

QTEST_GUILESS_MAIN(TestFallbackGroups)
#include "test_fallback_groups.moc"
