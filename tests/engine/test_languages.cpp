#include "engine/BaseSettings.h"
#include "engine/KeywordSearch.h"
#include "engine/Reflection.h"
#include "engine/ResponseSelection.h"
#include "engine/Templates.h"
#include "engine/TextFold.h"
#include "support/ProgramFolder.h"

#include <QTest>

#include <memory>

// Whole sentences in several scripts: how they match, what their echoes keep
// and how a table in their language turns them round.
class TestLanguages : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;

    void WriteSettings(const QString &sSettings)
    {
        if (!sSettings.isEmpty())
            m_folder->WriteData("settings.txt", sSettings.split('|'));
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
    }
    void cleanup()
    {
        m_folder.reset();
    }

    void matching_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<bool>("matches");
        QTest::newRow("sharp s typed as SS") << "straße" << "Ich wohne in der STRASSE neun" << "" << true;
        QTest::newRow("ss typed as sharp s") << "strasse" << "Die Straße ist lang" << "" << true;
        QTest::newRow("capital sharp s") << "straße" << "STRAẞE" << "" << true;
        QTest::newRow("final sigma in capitals") << "οδυσσέας" << "Ο ΟΔΥΣΣΈΑΣ ήρθε" << "" << true;
        QTest::newRow("final sigma typed medial") << "λόγος" << "ο λόγοσ μου" << "" << true;
        QTest::newRow("dotted capital i") << "istanbul" << "İstanbul'a gidiyorum" << "" << true;
        QTest::newRow("dotted capital i in the phrase") << "İzmir" << "izmir güzel" << "" << true;
        QTest::newRow("decomposed sentence") << "école" << "Je vais à l'e\u0301cole" << "" << true;
        QTest::newRow("decomposed phrase") << "e\u0301cole" << "L'ÉCOLE est fermée" << "" << true;
        QTest::newRow("cyrillic capitals") << "привет" << "ПРИВЕТ, бот!" << "" << true;
        QTest::newRow("ligature folds") << "office" << "the ﬃce... the oﬃce" << "" << true;
        QTest::newRow("japanese") << "こんにちは" << "こんにちは！元気？" << "" << true;
        QTest::newRow("accents count by default") << "école" << "une ecole" << "" << false;
        QTest::newRow("accents folded") << "école" << "une ECOLE" << "fold-accents yes" << true;
        QTest::newRow("accents folded in the phrase") << "ecole" << "l'École" << "fold-accents yes" << true;
        QTest::newRow("greek capitals without accents") << "οδυσσέας" << "ΟΔΥΣΣΕΑΣ" << "fold-accents yes" << true;
        QTest::newRow("folding keeps other letters") << "ecole" << "une écolø" << "fold-accents yes" << false;
        QTest::newRow("word edge after a folded letter") << "groß " << "GROSS!" << "" << true;
        QTest::newRow("word edge refuses a longer word") << " groß " << "grossartig" << "" << false;
        // A U+FEFF inside a line is text, not a byte-order mark to drop: here it stands where the blank's edge would be.
        QTest::newRow("zero-width no-break space is kept") << QString::fromUtf8("straße \uFEFF") << "in der STRASSE" << "" << false;
    }

    void matching()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, sentence);
        QFETCH(QString, settings);
        QFETCH(bool, matches);
        WriteSettings(settings);
        m_folder->WriteData("keywords.txt", {"[a.txt]", "0001 " + phrase});
        QCOMPARE(KeywordSearch(sentence).sCode == "0001", matches);
    }

    void echoes_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("following");
        QTest::newRow("after a folded phrase") << "straße" << "Ich wohne in der STRASSE neun." << "" << "neun";
        QTest::newRow("sharp s in the phrase, SS typed") << "ich heiße" << "ICH HEISSE Jürgen" << "" << "jürgen";
        QTest::newRow("phrase ends inside a folded letter") << "stras" << "Straße 5" << "" << "5";
        QTest::newRow("composed") << "j'aime" << "J'aime l'e\u0301cole" << "" << "l'école";
        QTest::newRow("after accents folded") << "ecole" << "l'École est fermée!" << "fold-accents yes" << "est fermée";
        QTest::newRow("case kept") << "ich bin" << "Ich bin in Berlin" << "keep-case yes" << "in Berlin";
        QTest::newRow("greek lower case") << "είμαι" << "ΕΊΜΑΙ ΣΟΦΟΣ" << "" << "σοφος";
        QTest::newRow("final sigma after a letter beyond the BMP") << "είμαι" << "ΕΊΜΑΙ \U00010400Σ" << "" << "\U00010428\u03C2";
        QTest::newRow("after a dotted capital i") << "i̇stanbul" << "İSTANBUL GÜZEL" << "" << "güzel";
        QTest::newRow("emoji kept whole") << "我爱" << "我爱\U0001F600你" << "" << "\U0001F600你";
        QTest::newRow("no combining mark alone") << "q" << "q\u0303a b" << "" << "a b";
        QTest::newRow("french spacing and guillemets") << "tu as dit" << "Tu as dit «\u00A0bonjour\u00A0» ?" << "" << "bonjour";
        QTest::newRow("full-width marks dropped") << "我叫" << "我叫小明！" << "" << "小明";
    }

    void echoes()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, input);
        QFETCH(QString, settings);
        QFETCH(QString, following);
        WriteSettings(settings);
        m_folder->WriteData("reflections.txt", {"swap ich du"});
        QCOMPARE(FillTemplate("[following]", KeywordMatch{keyword, "0001", "f.txt", input, ""}, "Sam"), following);
    }

    void answersCase()
    {
        m_folder->WriteData("keywords.txt", {"[a.txt]", "0001 hallo"});
        m_folder->WriteData("a.txt", {"*0001", "# Guten Tag, wie geht es Ihnen? ΤΈΛΟΣ"});
        const KeywordMatch match = KeywordSearch("Hallo");
        Conversation conversation;
        QCOMPARE(GetRandomEntryFromFile(match, Statements, conversation).sText, "guten tag, wie geht es ihnen? τέλος");
        WriteSettings("keep-case yes");
        QCOMPARE(GetRandomEntryFromFile(match, Statements, conversation).sText, "Guten Tag, wie geht es Ihnen? ΤΈΛΟΣ");
    }

    void reflection_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("reflected");
        const QString chinese = "swap 我 你|swap 你 我|swap 我们 你们";
        QTest::newRow("han runs") << chinese << "我需要你帮助" << "你需要我帮助";
        QTest::newRow("longest entry first") << chinese << "我们爱你" << "你们爱我";
        QTest::newRow("han beside other words") << chinese << "ok 我 ok" << "ok 你 ok";
        QTest::newRow("kana and han") << "swap 私 あなた|swap あなた 私" << "私はあなたが好き" << "あなたは私が好き";
        const QString french = "swap je_suis tu_es|swap tu_es je_suis|swap je tu|swap tu je|swap j' tu|swap j'ai tu_as|swap mon ton";
        QTest::newRow("several words") << french << "je suis triste et je pleure" << "tu es triste et tu pleure";
        QTest::newRow("several words, the other way") << french << "tu es là" << "je suis là";
        QTest::newRow("not across a comma") << french << "je, suis" << "tu, suis";
        QTest::newRow("elided start") << french << "j'aime mon chat" << "tu aime ton chat";
        QTest::newRow("whole elided form first") << french << "j\u2019ai faim" << "tu as faim";
        QTest::newRow("elision not in the table") << french << "c'est mon chat" << "c'est ton chat";
        const QString german = "swap ich du|swap du ich|swap ich_bin du_bist|swap mein dein";
        QTest::newRow("case kept around a swap") << german << "ICH bin in MEINEM Haus" << "du bist in MEINEM Haus";
        QTest::newRow("folded key") << "swap groß klein" << "GROSS und GROẞ" << "klein und klein";
    }

    void reflection()
    {
        QFETCH(QString, table);
        QFETCH(QString, phrase);
        QFETCH(QString, reflected);
        QStringList problems;
        QCOMPARE(Reflection::Reflect(phrase, Reflection::Parse(table.replace('|', '\n'), &problems)), reflected);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void settingsFile()
    {
        QStringList problems;
        const BaseSettings s = Settings::Parse(u"/ comment\nKeep-Case yes\nfold-accents maybe\nwatch-word\ncolour red\nkeep-case no\nWATCH-WORD MAIS", &problems);
        QVERIFY(s.keepCase);
        QVERIFY(!s.foldAccents);
        QCOMPARE(s.sWatchWord, "mais");
        QCOMPARE(problems.size(), 4);
        QVERIFY(problems[0].startsWith("line 3: "));
        QVERIFY(problems[3].startsWith("line 6: "));
        const BaseSettings none = Settings::Load();  // no file: as without settings
        QVERIFY(!none.keepCase && !none.foldAccents);
        QCOMPARE(none.sWatchWord, "but");
    }

    // The folded text maps back to whole characters of what was typed.
    void foldMapsBack()
    {
        const TextFold::Mapped m = TextFold::Map(u"Gruß, e\u0301\U0001F600!");
        QCOMPARE(m.sSource, u"Gruß, é\U0001F600!");
        QCOMPARE(m.sText, u"gruss, é\U0001F600!");
        QCOMPARE(m.SourceEnd(4), 4);    // inside "ss": the end of "ß"
        QCOMPARE(m.SourceStart(4), 3);
        QCOMPARE(m.SourceEnd(m.sText.size()), m.sSource.size());
        QCOMPARE(TextFold::Lower("ΣΟΦΟΣ, ΣΑΣ Σ"), "σοφος, σας σ");
    }
};

QTEST_GUILESS_MAIN(TestLanguages)
#include "test_languages.moc"
