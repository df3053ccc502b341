#include "common/modPublic.h"
#include "console/ConsoleRows.h"
#include "console/GeneralDate.h"
#include "console/LogWriter.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTest>

namespace {

// Stands in for the console window's lists.
class FakeRows final : public ConsoleRows {
public:
    struct Row {
        ConsoleList list;
        QString columns[4];
        int nIcon;
    };
    QList<Row> rows;

    int RowCount(ConsoleList list) const override
    {
        return int(std::count_if(rows.begin(), rows.end(), [list](const Row &r) { return r.list == list; }));
    }
    bool AddRow(ConsoleList list, int n, const QString &sText, int nIcon) override
    {
        if (n != RowCount(list) + 1)
            return false;
        rows.append({list, {sText, {}, {}, {}}, nIcon});
        return true;
    }
    void SetColumnText(ConsoleList list, int n, int k, const QString &sText) override
    {
        int seen = 0;
        for (Row &r : rows)
            if (r.list == list && ++seen == n)
                r.columns[k - 1] = sText;
    }
};

const LogEntry kEntry{"Name", "Where", "What"};

}  // namespace

class TestLogWriter : public QObject {
    Q_OBJECT

private slots:
    void lineLayout();
    void appendsOneLinePerEntry();
    void missingFolderIsAFailure();
    void rowsOnlyWhileConsoleLoaded();
    void badPriorityStillWritesTheLine();
    void twoProcessesLoseNoLine();
    void generalDate_data();
    void generalDate();
};

void TestLogWriter::lineLayout()
{
    QCOMPARE(EventLogLine("D", LogEntry{"n", "g", ""}, 1), QString::fromUtf8("D¥n¥g¥¥1"));
    QCOMPARE(ErrorLogLine("D", LogEntry{"n", "g", "d"}), QString::fromUtf8("D¥n¥g¥d"));
}

void TestLogWriter::appendsOneLinePerEntry()
{
    ProgramFolder folder;
    QVERIFY(bool(WriteEventLog(LogEntry{"Test", "Here", QString::fromUtf8("a¥b\r\nc 日")}, 1)));
    QVERIFY(bool(WriteEventLog(kEntry, 1)));
    QVERIFY(bool(WriteErrorLog(kEntry)));
    QFile file(folder.LogPath("EventLog.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // Windows-1252 bytes, no escaping, CR LF after each entry.
    QVERIFY2(bytes.contains("\xA5Test\xA5Here\xA5" "a\xA5" "b\r\nc ?\xA5" "1\r\n"), bytes.constData());
    QVERIFY(bytes.endsWith("\xA5Name\xA5Where\xA5What\xA5" "1\r\n"));
    const QStringList errors = folder.LogLines("ErrorLog.txt");
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors[0].endsWith(QString::fromUtf8("¥Name¥Where¥What")));
}

void TestLogWriter::missingFolderIsAFailure()
{
    ProgramFolder folder(false);
    ScriptedDialogs dialogs;
    const LogWriteStatus status = WriteErrorLog(kEntry);
    QVERIFY(!status);
    QVERIFY(!QFile::exists(folder.Path() + "/logs"));
    QVERIFY(status.Message().contains("ErrorLog.txt"));
    ReportLogFailure(status);
    ReportLogFailure(WriteEventLog(kEntry, 1));
    QCOMPARE(dialogs.messages.size(), 2);
    QVERIFY(dialogs.messages[1].sText.contains("EventLog.txt"));
}

void TestLogWriter::rowsOnlyWhileConsoleLoaded()
{
    ProgramFolder folder;
    FakeRows rows;
    RegisterConsoleRows(&rows);
    WriteEventLog(kEntry, 1);
    QVERIFY(rows.rows.isEmpty());
    modPublic::ConsoleLoaded = true;
    WriteEventLog(LogEntry{"E", "G", "D"}, 3);
    WriteErrorLog(LogEntry{"X", "Y", "Z"});
    RegisterConsoleRows(nullptr);
    QCOMPARE(rows.rows.size(), 2);
    QCOMPARE(rows.rows[0].list, ConsoleList::EventLog);
    QCOMPARE(rows.rows[0].nIcon, 3);
    QCOMPARE(rows.rows[0].columns[1], QString("E"));
    QCOMPARE(rows.rows[0].columns[3], QString("D"));
    QVERIFY(!rows.rows[0].columns[0].isEmpty());
    QCOMPARE(rows.rows[1].list, ConsoleList::ErrorLog);
    QCOMPARE(rows.rows[1].nIcon, 4);
    QCOMPARE(rows.rows[1].columns[2], QString("Y"));
}

void TestLogWriter::badPriorityStillWritesTheLine()
{
    ProgramFolder folder;
    FakeRows rows;
    RegisterConsoleRows(&rows);
    modPublic::ConsoleLoaded = true;
    const LogWriteStatus status = WriteEventLog(kEntry, 7);
    RegisterConsoleRows(nullptr);
    QVERIFY(!status);
    QCOMPARE(status.sPath, folder.LogPath("EventLog.txt"));
    QVERIFY(rows.rows.isEmpty());
    QCOMPARE(folder.LogLines("EventLog.txt").size(), 1);
}

void TestLogWriter::twoProcessesLoseNoLine()
{
    ProgramFolder folder;
    constexpr int kLines = 10000;
    QProcess first, second;
    for (QProcess *process : {&first, &second})
        process->start(LOG_LOAD_WRITER, {folder.Path(), process == &first ? "A" : "B", QString::number(kLines)});
    for (QProcess *process : {&first, &second}) {
        QVERIFY(process->waitForFinished(120000));
        QCOMPARE(process->exitCode(), 0);
    }
    QMap<QString, QList<bool>> seen{{"A", QList<bool>(kLines)}, {"B", QList<bool>(kLines)}};
    const QStringList lines = folder.LogLines("EventLog.txt");
    QCOMPARE(lines.size(), 2 * kLines);
    for (const QString &sLine : lines) {
        // date, tag, "load", number + filler, priority: a torn line breaks this shape.
        const QStringList fields = sLine.split(QChar(0xA5));
        QCOMPARE(fields.size(), 5);
        const int i = QStringView(fields[3]).left(fields[3].indexOf('x')).toInt();
        QCOMPARE(fields[3].size() - QString::number(i).size(), i % 100 == 0 ? 20000 : 10);
        QVERIFY(seen.contains(fields[1]) && !seen[fields[1]][i]);
        seen[fields[1]][i] = true;
    }
}

void TestLogWriter::generalDate_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("text");
    QTest::newRow("evening") << QDateTime(QDate(2026, 12, 4), QTime(19, 55, 10)) << "12/4/2026 7:55:10 PM";
    QTest::newRow("midnight has no time") << QDateTime(QDate(2026, 1, 2), QTime(0, 0)) << "1/2/2026";
    QTest::newRow("midnight and a half second") << QDateTime(QDate(2026, 1, 2), QTime(0, 0, 0, 500)) << "1/2/2026";
    QTest::newRow("one second past") << QDateTime(QDate(2026, 1, 2), QTime(0, 0, 1)) << "1/2/2026 12:00:01 AM";
}

void TestLogWriter::generalDate()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, text);
    QCOMPARE(FormatGeneralDate(when, QLocale(QLocale::English, QLocale::UnitedStates)), text);
}

QTEST_GUILESS_MAIN(TestLogWriter)
#include "test_log_writer.moc"
