// orvia-check run as a program on small knowledge bases with known faults:
// its exit status and the place and kind of each finding.
#include "support/ProgramFolder.h"
#include "support/Utf16.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
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

struct Run {
    int nExit = -1;
    QString sOut, sErr;
};

Run RunCheck(const QString &sFolder, const QStringList &args)
{
    QProcess process;
    process.setWorkingDirectory(sFolder);
    process.start(QStringLiteral(ORVIA_CHECK), args);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
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
        const QByteArray shadows = L("[r.txt]|0001 hello|0001 oh hello there|/ shadowed on purpose|0001 hello you|0001 Hello|0001  |0001 x");
        const QStringList shadowed = P("keywords.txt:3: warning|keywords.txt:6: warning|keywords.txt:7: warning");
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
            << P("keywords.txt:1: error|keywords.txt:3: error|keywords.txt:4: error|keywords.txt:5: error|keywords.txt:6: error|"
                 "keywords.txt:7: error|r.txt:1: warning");
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
        QTest::newRow("echo where a noun belongs") << Files{{"keywords.txt", L("[r.txt]|0001 hello|0002 my car|0003 worry about|0004 i fear")},
                                                            {"r.txt", L("*0001|# hi|*0002|$how do you feel about [following]?|# your [next] then|"
                                                                        "*0003|$what about [following] worries you?|*0004|$what about [following] worries you?")}}
                                                   << dot << 0 << P("r.txt:4: warning|r.txt:5: warning|r.txt:9: warning");
        QTest::newRow("encodings") << Files{{"r.txt", QByteArray("*0001\r\n# caf\xe9 \x81\r\n$ok?\n")}} << dot << 0 << P("r.txt:2: warning|r.txt:3: warning");
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
        QCOMPARE(run.nExit, exit);
        QVERIFY(run.sOut.endsWith(QStringLiteral(" %1 errors, %2 warnings\n")
                                      .arg(places.filter(QStringLiteral(": error")).size())
                                      .arg(places.filter(QStringLiteral(": warning")).size())));

        // The JSON document holds the same findings.
        const Run json = RunCheck(folder.Path(), args + QStringList{QStringLiteral("--json")});
        QCOMPARE(json.nExit, exit);
        QStringList jsonPlaces;
        for (const QJsonValue &v : QJsonDocument::fromJson(json.sOut.toUtf8())[QStringLiteral("findings")].toArray()) {
            const QJsonObject f = v.toObject();
            const QString sLine = f.contains(QStringLiteral("line")) ? QStringLiteral(":%1").arg(f[QStringLiteral("line")].toInt()) : QString();
            jsonPlaces << f[QStringLiteral("file")].toString() + sLine + QStringLiteral(": ") + f[QStringLiteral("severity")].toString();
        }
        QCOMPARE(jsonPlaces, places);
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
            << P("substitutions.txt:1: warning|substitutions.txt:1: warning|keywords.txt:3: warning|keywords.txt:4: error|keywords.txt:5: error|r.txt:6: error|r.txt:6: warning|fu.txt: warning")
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
        QCOMPARE(run.nExit, places.filter(": error").isEmpty() ? 0 : 1);
    }

    // Cannot run: exit status 2 and one line on standard error.
    void cannotRun()
    {
        ProgramFolder folder;
        folder.WriteData("keywords.txt", {"/ c"});
        for (const QStringList &args : {QStringList{"nowhere"}, {"logs"}, {"--bogus", "."}, {".", "data"}, {"."}}) {
            if (args == QStringList{"."})  // last: a data folder without keywords.txt
                QVERIFY(QFile::remove(folder.DataPath("keywords.txt")));
            const Run run = RunCheck(folder.Path(), args);
            QCOMPARE(run.nExit, 2);
            QVERIFY(run.sOut.isEmpty());
            QCOMPARE(run.sErr.count(QLatin1Char('\n')), 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestOrviaCheck)
#include "test_orvia_check.moc"
