// orvia-check run as a program on small knowledge bases with known faults:
// its exit status and the place and kind of each finding.
#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/Utf16.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

using Files = QMap<QString, QByteArray>;

namespace {

// Lines joined and ended with CR LF; "|" separates them, and "\u2400" stands for a NUL.
QByteArray L(const char *lines)
{
    return QByteArray(lines).replace('|', "\r\n").replace("\u2400", QByteArray(1, '\0')) + "\r\n";
}

// A base that checks clean; each case replaces some of its files.
Files CleanBase()
{
    return {{"keywords.txt", L("[r.txt]|0001 hello")},
            {"r.txt", L("*0001|# hi [name]|$how are you?")},
            {"preset1.txt", L("[Preset2.txt]|0020 my name")},
            {"Preset2.txt", L("*0010|# but what?|*0013|# one word, please.|*0020|# and it is?")},
            {"Preset3.txt", L("*0002|# hello! what is your name?|*0001|# welcome, [name].")},
            {"Preset4.txt", L("*0001|$what else?")}};
}

// The clean base with some files replaced, or removed where the bytes are null.
void WriteBase(const ProgramFolder &folder, const Files &files = {})
{
    Files all = CleanBase();
    all.insert(files);
    for (auto it = all.cbegin(); it != all.cend(); ++it)
        if (!it.value().isNull())
            folder.WriteDataBytes(it.key(), it.value());
}

// Places of findings in data/, separated by "|".
QStringList P(const char *s)
{
    return QString(s).split('|').replaceInStrings(QRegularExpression("^"), "data/");
}

using Run = ProgramRun;

// Without --words the system's word list would take part, and the findings
// would hang on what is installed: an empty list stands in.
Run RunCheck(const QString &sFolder, QStringList args)
{
    if (!args.contains(QStringLiteral("--words"))) {
        QFile(sFolder + QStringLiteral("/no-words")).open(QIODevice::WriteOnly);
        args.prepend(QStringLiteral("no-words"));
        args.prepend(QStringLiteral("--words"));
    }
    return RunProgram(QStringLiteral(ORVIA_CHECK), args, {}, sFolder);
}

// "file:line: severity" of every finding line, the summary left out.
QStringList Places(const QString &sOut)
{
    static const QRegularExpression place(QStringLiteral("^([^ ]+: (error|warning)):"), QRegularExpression::MultilineOption);
    QStringList places;
    for (auto it = place.globalMatch(sOut); it.hasNext();)
        places << it.next().captured(1);
    return places;
}

// The summary's counts, "1 error" and "2 errors".
QString Counted(qsizetype n, const char *sThing)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(sThing), n == 1 ? QString() : QStringLiteral("s"));
}

}  // namespace

class TestOrviaCheck : public QObject {
    Q_OBJECT

private slots:
    void findings_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QStringList>("places");

        const QStringList dot{"."};
        QTest::newRow("clean") << Files{} << dot << 0 << QStringList();
        // Only "/ shadow: meant" silences a shadowed line, not any comment that says "shadow".
        const QByteArray shadows = L("[r.txt]|0001 hello|0001 oh hello there|/ shadow: meant, for the second search|0001 hello you|0001 Hello|"
                                     "0001  |0001 x|/ Shadows over Camelot|0001 hello x");
        const QStringList shadowed = P("keywords.txt:3: warning|keywords.txt:6: warning|keywords.txt:7: warning|keywords.txt:10: warning");
        QTest::newRow("shadows, a marked one, blanks only") << Files{{"keywords.txt", shadows}} << QStringList{"data"} << 0 << shadowed;
        QTest::newRow("--werror fails on warnings") << Files{{"keywords.txt", shadows}} << QStringList{"--werror", "."} << 1 << shadowed;
        // A lone "#" beside a good entry fails on some draws: always an error now.
        QTest::newRow("answers that fail") << Files{{"keywords.txt", L("[r.txt]|0001 hello|0002 bye|0003 why|0004 when|0005 ")},
                                                    {"r.txt", L("*0001|# hi|#|*0002|@short|# x|*0003|*0004|$|*0005|# ok")}}
                                           << dot << 1
                                           << P("keywords.txt:2: error|keywords.txt:3: error|keywords.txt:4: error|keywords.txt:5: error|"
                                                "keywords.txt:6: error|r.txt:3: error|r.txt:5: error|r.txt:9: error");
        QTest::newRow("malformed lines, missing files")
            << Files{{"keywords.txt", L("0001 top|[r.txt]|abc|[gone.txt]|0001 hello|[|0001 after")}} << dot << 1
            << P("keywords.txt:1: error|keywords.txt:3: error|keywords.txt:4: error|keywords.txt:6: error|keywords.txt:7: error|"
                 "r.txt:1: warning");
        // Said once at the section line, and a follow-up only an unreadable file could name is not called unnamed.
        QTest::newRow("an unreadable file") << Files{{"keywords.txt", L("[../r.txt]|0001 hello|0002 bye|0003 so")}, {"fu_a.txt", L("[r.txt]|0001 yes")}}
                                            << dot << 1 << P("keywords.txt:1: error|r.txt: warning");
        QTest::newRow("section names with a blank") << Files{{"keywords.txt", L("[r.txt ]|0001 hello|[r.txt] |0001 hi")}} << dot << 1
                                                    << P("keywords.txt:1: error|keywords.txt:3: error|r.txt: warning");
        QTest::newRow("two blocks of one code") << Files{{"keywords.txt", L("[r.txt]|0001 hello|0002 bye")},
                                                         {"r.txt", L("*0001|# hi [name]|*0002|# bye|*0001|$how are you?|*")}}
                                                << dot << 0 << P("r.txt:5: warning");
        QTest::newRow("codes, blanks and echoes that read wrong")
            << Files{{"keywords.txt", L("[r.txt]|0001 hello|0002 worry about|0003   cat|006 farkle")},
                     {"r.txt", L("*0001|# hi|*0002|$what is it about [following] that worries you?|#  so [following].|*0003|# cats|$ why?| # not read")},
                     {"Preset3.txt", L("*0002|# hello [next]! what is your name?|*0001|# welcome, [name].")},
                     {"Preset4.txt", L("*0001|$what else, [following]?")}}
            << dot << 1
            << P("keywords.txt:4: warning|keywords.txt:5: warning|keywords.txt:5: error|Preset3.txt:2: warning|Preset4.txt:2: warning|"
                 "r.txt:4: warning|r.txt:5: warning|r.txt:8: warning|r.txt:9: warning");
        // Eight words of the list and two of the base's own hold "cat"; "gardenia" alone does not make "garden" a warning.
        QTest::newRow("phrases inside words")
            << Files{{"keywords.txt", L("[r.txt]|0001 hello|0001 cat|0001 garden|0001  won ")},
                     {"r.txt", L("*0001|# hi, the cattle of muscat.|$cats?")},
                     {"words", "category\nlocate\nvacation\nscatter\ncatch\nducat\neducate\nindicate\ngardenia\ncats\n"}}
            << QStringList{"--words", "data/words", "."} << 0 << P("keywords.txt:3: warning");
        QTest::newRow("inside words, and meant") << Files{{"keywords.txt", L("[r.txt]|0001 hello|/ inside words: meant|0001 cat")},
                                                          {"r.txt", L("*0001|# hi, the cattle of muscat.")},
                                                          {"words", "category\nlocate\nvacation\nscatter\ncatch\nducat\neducate\nindicate\n"}}
                                                 << QStringList{"--words", "data/words", "."} << 0 << QStringList();
        QTest::newRow("follow-ups") << Files{{"keywords.txt", L("[r.txt]|0001 hello|0002 bye|0003 so")},
                                             {"r.txt", L("*0001|# hi|&fu_a.txt|*0002|&missing.txt|# ok|*0003|# so|&Preset4.txt")},
                                             {"fu_a.txt", L("[r.txt]|0009 yes")}, {"fu_b.txt", L("[r.txt]|0001 no")}}
                                    << dot << 1 << P("r.txt:5: error|r.txt:9: error|fu_a.txt:2: error|fu_b.txt: warning");
        QTest::newRow("tags, statements, unused blocks")
            << Files{{"r.txt", L("*0001|# hi [nmae]|$what [is it?|# fine]|#typo|# ok [Name] [following]|*0002|# never")}, {"old.txt", L("*0001|# stray")}}
            << dot << 0 << P("r.txt:2: warning|r.txt:3: warning|r.txt:4: warning|r.txt:5: warning|r.txt:7: warning|old.txt: warning");
        QTest::newRow("reflection table") << Files{{"reflections.txt", L("/ t|swap i you|swop me you")}} << dot << 0 << P("reflections.txt:3: warning");
        QTest::newRow("word edges, rewritten phrases") << Files{{"keywords.txt", L("[r.txt]|0001 hi |0001 hi there|0001 dont|0001  cat|0001 bobcat|0001 Hi")},
                                                                {"substitutions.txt", L("/ t|dont don't|alone")}}
                                                       << dot << 0 << P("substitutions.txt:3: warning|keywords.txt:3: warning|keywords.txt:4: warning");
        QTest::newRow("echoes where a noun belongs, empty between words") << Files{{"keywords.txt", L("[r.txt]|0001 hello|0002 my car|0003 worry about|0004 i fear")},
                                                            {"r.txt", L("*0001|# hi|*0002|$how do you feel about [following]?|# your [next] then|"
                                                                        "*0003|$what about [following] worries you?|*0004|$what about [following] worries you?")}}
                                                   << dot << 0 << P("r.txt:4: warning|r.txt:5: warning|r.txt:5: warning|r.txt:7: warning|r.txt:9: warning|r.txt:9: warning");
        QTest::newRow("encodings") << Files{{"r.txt", QByteArray("*0001\r\n# caf\xe9 \x81\r\n$ok?\n")}} << dot << 0 << P("r.txt:2: warning|r.txt:3: warning");
        QTest::newRow("a stray line in a UTF-8 file")
            << Files{{"r.txt", QByteArray("*0001\r\n# caf\xc3\xa9\r\n# \xe9" "cole\r\n# cr\xc3\xa8me\r\n")}} << dot << 0 << P("r.txt:3: warning");
        QTest::newRow("decomposed letters") << Files{{"r.txt", QByteArray("*0001\r\n# ok\r\n# e\xcc\x81" "cole\r\n")}} << dot << 0
                                            << P("r.txt:3: warning");
        QTest::newRow("missing presets") << Files{{"Preset4.txt", L("*0002|# no")}, {"preset1.txt", QByteArray()}} << dot << 1
                                         << P("preset1.txt: error|Preset2.txt:5: warning|Preset4.txt: error|Preset4.txt:1: warning");
    }

    void findings()
    {
        QFETCH(Files, files);
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        QFETCH(QStringList, places);
        ProgramFolder folder;
        WriteBase(folder, files);

        const Run run = RunCheck(folder.Path(), args);
        QVERIFY2(run.sErr.isEmpty(), qPrintable(run.sErr));
        QCOMPARE(Places(run.sOut), places);
        QCOMPARE(run.exitCode, exit);
        QVERIFY(run.sOut.endsWith(QStringLiteral(" %1, %2\n")
                                      .arg(Counted(places.filter(QStringLiteral(": error")).size(), "error"),
                                           Counted(places.filter(QStringLiteral(": warning")).size(), "warning"))));

        // The JSON document holds the same findings.
        const Run json = RunCheck(folder.Path(), args + QStringList{QStringLiteral("--json")});
        QCOMPARE(json.exitCode, exit);
        QStringList jsonPlaces;
        for (const QJsonValue &v : QJsonDocument::fromJson(json.sOut.toUtf8())[QStringLiteral("findings")].toArray()) {
            const QJsonObject f = v.toObject();
            const QString sLine = f.contains(QStringLiteral("line")) ? QStringLiteral(":%1").arg(f[QStringLiteral("line")].toInt()) : QString();
            jsonPlaces << f[QStringLiteral("file")].toString() + sLine + QStringLiteral(": ") + f[QStringLiteral("severity")].toString();
        }
        QCOMPARE(jsonPlaces, places);
    }

    // What a finding says, where its place alone does not show it.
    void messages_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("says");
        const QStringList dot{"."};
        const Files bare{{"keywords.txt", L("/ c")}, {"r.txt", {}}, {"preset1.txt", {}}, {"Preset2.txt", {}}, {"Preset3.txt", {}}, {"Preset4.txt", {}}};
        QTest::newRow("one file") << bare << dot << QStringList{"checked 1 file in data, 0 keyword lines, 0 codes: 6 errors, 0 warnings\n"};
        QTest::newRow("a file in another encoding")
            << Files{{"r.txt", QByteArray("*0001\r\n# \xcf\xf0\xe8\xe2\xe5\xf2\r\n# \xe4\xe0\r\n")}} << dot
            << QStringList{"r.txt:2: warning: the file is not UTF-8 (this is its first line that is not), so it is read as Windows-1252; "
                           "if it was saved in another encoding, such as Windows-1251"};
        QTest::newRow("a stray line named")
            << Files{{"r.txt", QByteArray("*0001\r\n# caf\xc3\xa9\r\n# \xe9" "cole\r\n# cr\xc3\xa8me\r\n")}} << dot
            << QStringList{"r.txt:3: warning: the file is UTF-8 but for this line, so all of it is read as Windows-1252"};
        QTest::newRow("blanks after the code") << Files{{"keywords.txt", L("[r.txt]|0001 hello|0001   cat")}} << dot
                                               << QStringList{"keywords.txt:3: warning: 3 blanks after the code"};
        QTest::newRow("codes are four characters")
            << Files{{"keywords.txt", L("[r.txt]|0001 hello|006 farkle")}} << dot
            << QStringList{"keywords.txt:3: warning: the code is \"006 \" and the phrase \"arkle\": a code is four characters"};
        QTest::newRow("a blank at the end of a section line")
            << Files{{"keywords.txt", L("[r.txt ]|0001 hello|[r.txt] |0001 hi")}} << dot
            << QStringList{"keywords.txt:1: error: response file \"r.txt \" not found: no keyword line below it answers; the name ends in a blank",
                           "keywords.txt:3: error: response file \"r.txt]\" not found: no keyword line below it answers; the line goes on after \"]\""};
        QTest::newRow("an empty echo") << Files{{"keywords.txt", L("[r.txt]|0001 worry about")}, {"r.txt", L("*0001|$what is it about [following] that worries you?")}}
                                       << dot << QStringList{"reads \"what is it about that worries you?\""};
        QTest::newRow("a setting it cannot take") << Files{{"settings.txt", L("keep-case yes|fold-accents perhaps")}} << dot
                                                  << QStringList{"settings.txt:2: warning: the settings table skips this line: \"fold-accents\" is \"yes\" or \"no\""};
        // Phrases are compared folded, as the search compares them.
        QTest::newRow("folded shadow") << Files{{"keywords.txt", L("[r.txt]|0001 STRASSE|0002 die straße")}, {"r.txt", L("*0001|# a|*0002|# b")}} << dot
                                       << QStringList{"keywords.txt:3: warning: \"die straße\" never answers: line 2 \"strasse\""};
        QTest::newRow("inside words")
            << Files{{"keywords.txt", L("[r.txt]|0001 hello|0001 cat")}, {"r.txt", L("*0001|# hi, the cattle of muscat.")},
                     // Its own forms and words joined of two do not count: "cats", "catches", "bobcat" of "bob".
                     {"words", "category\nlocate\nvacation\nscatter\ncatch\ncatches\nducat\neducate\nindicate\ncats\nbob\nbobcat\n"}}
            << QStringList{"--words", "data/words", "."}
            << QStringList{"keywords.txt:3: warning: \"cat\" also matches inside 10 other words, such as \"cattle\", \"muscat\", \"catch\""
                           , "write \" cat \""};
    }

    void messages()
    {
        QFETCH(Files, files);
        QFETCH(QStringList, args);
        QFETCH(QStringList, says);
        ProgramFolder folder;
        WriteBase(folder, files);
        const Run run = RunCheck(folder.Path(), args);
        for (const QString &sSaid : says)
            QVERIFY2(run.sOut.contains(sSaid), qPrintable(run.sOut));
    }

    // A NUL is a character of its line, a name holding one opens no file, UTF-16 is read as text.
    void nulAndUtf16_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QStringList>("places");
        QTest::addColumn<QStringList>("says");
        QTest::newRow("nul in lines and names")
            << Files{{"keywords.txt", L("[r.txt]|0001 hello|0002 caf\u2400é|[r.txt\u2400.old]|0003 bye")},
                     {"r.txt", L("*0001|# hi [name]|$how are you?|*0002|# ok|&fu.txt\u2400x")}, {"fu.txt", L("[r.txt]|0001 yes")},
                     {"substitutions.txt", L("caf\u2400é coffee")}}
            << P("substitutions.txt:1: warning|substitutions.txt:1: warning|keywords.txt:3: warning|keywords.txt:4: error|r.txt:6: error|r.txt:6: warning")
            << QStringList{"keywords.txt:3: warning: this line holds a NUL character", "2 lines of this file hold one",
                           "substitutions.txt:1: warning: the substitution table skips this line: \"caf<NUL>é\" is not one word",
                           "keywords.txt:4: error: response file \"r.txt<NUL>.old\" cannot be read: the name r.txt<NUL>.old holds a NUL character",
                           "r.txt:6: error: follow-up index \"fu.txt<NUL>x\" cannot be read: the name fu.txt<NUL>x holds a NUL character"};
        const auto encoded = [](QStringConverter::Encoding order, bool withMark, const char *lines) {
            return Utf16(QString::fromUtf8(L(lines)), order, withMark);
        };
        QTest::newRow("utf-16 in each form")
            << Files{{"keywords.txt", encoded(QStringConverter::Utf16BE, true, "[r.txt]|0001 hello|0002 café")},
                     {"r.txt", encoded(QStringConverter::Utf16LE, true, "*0001|# hi [name]|$how are you?|*0002|# ça va")},
                     {"Preset4.txt", encoded(QStringConverter::Utf16LE, false, "*0001|$what else?")}}
            << P("keywords.txt: warning|Preset4.txt: warning|r.txt: warning")
            << QStringList{"keywords.txt: warning: this file is UTF-16 (big-endian, with a byte-order mark)",
                           "Preset4.txt: warning: this file is UTF-16 (little-endian, without a byte-order mark)", "save it as UTF-8"};
    }
    void nulAndUtf16()
    {
        QFETCH(Files, files);
        QFETCH(QStringList, places);
        QFETCH(QStringList, says);
        ProgramFolder folder;
        WriteBase(folder, files);
        const Run run = RunCheck(folder.Path(), {"."});
        QCOMPARE(Places(run.sOut), places);
        for (const QString &sSaid : says)
            QVERIFY2(run.sOut.contains(sSaid), qPrintable(run.sOut));
        QCOMPARE(run.exitCode, places.filter(": error").isEmpty() ? 0 : 1);
    }

    // Cannot run: exit status 2 and one line on standard error.
    void cannotRun()
    {
        ProgramFolder folder;
        folder.WriteData("keywords.txt", {"/ c"});
        for (const QStringList &args : {QStringList{"nowhere"}, {"logs"}, {"--bogus", "."}, {".", "data"}, {"--words", "nowhere", "."}, {"."}}) {
            if (args == QStringList{"."})  // last: a data folder without keywords.txt
                QVERIFY(QFile::remove(folder.DataPath("keywords.txt")));
            const Run run = RunCheck(folder.Path(), args);
            QCOMPARE(run.exitCode, 2);
            QVERIFY(run.sOut.isEmpty());
            QCOMPARE(run.sErr.count(QLatin1Char('\n')), 1);
        }
    }

    // Started inside a bot's data folder without FOLDER, it checks that folder.
    void checksTheFolderItRunsIn()
    {
        ProgramFolder folder;
        WriteBase(folder, {{"keywords.txt", L("[r.txt]|0001 hello|0001 hello there")}});
        const Run run = RunCheck(folder.DataPath(""), {});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(Places(run.sOut), QStringList{"keywords.txt:3: warning"});
    }

    // --init writes a bot that checks clean and chats, follow-up included,
    // and never writes over a bot that is there.
    void starterBot()
    {
        ProgramFolder folder;
        const QString sBot = folder.Path() + "/my bot";
        Run run = RunCheck(folder.Path(), {"--init", sBot});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.sOut.startsWith("wrote a starter bot in " + sBot + ":\n    data/keywords.txt\n"), qPrintable(run.sOut));
        QVERIFY(QFileInfo(sBot + "/logs").isDir());
        QCOMPARE(RunCheck(folder.Path(), {"--werror", sBot}).exitCode, 0);

        const Run chat = RunProgram(QStringLiteral(ORVIA_CHAT), {"--trace", sBot}, "Sam\nhello\ndo you like pets?\nyes\nzebra crossings\n");
        const QString &sChat = chat.sOut;
        QCOMPARE(chat.exitCode, 0);
        QVERIFY2(sChat.contains("\n<Sam> Sam\n<Orvia> nice to meet you, Sam!") || sChat.contains("\n<Sam> Sam\n<Orvia> hello, Sam!"),
                 qPrintable(sChat));
        QVERIFY2(sChat.contains("follow-up index data/fu_pets.txt:"), qPrintable(sChat));
        QVERIFY2(sChat.contains("fallback block data/Preset4.txt"), qPrintable(sChat));
        QVERIFY(chat.sErr.isEmpty());

        QFile index(sBot + "/data/keywords.txt");
        QVERIFY(index.open(QIODevice::WriteOnly | QIODevice::Append) && index.write("0001 mine\r\n") > 0);
        index.close();
        run = RunCheck(folder.Path(), {"--init", sBot});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.sErr.contains("holds data already"), qPrintable(run.sErr));
        QVERIFY(index.open(QIODevice::ReadOnly) && index.readAll().endsWith("0001 mine\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestOrviaCheck)
#include "test_orvia_check.moc"
