#include "common/modPublic.h"
#include "logs/GeneralDate.h"
#include "logs/LogSink.h"
#include "logs/LogWriter.h"
#include "support/ProgramFolder.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTest>

namespace {

// Stands in for the console's lists; refuses icons it has none for, as the console does.
class FakeSink final : public LogSink {
public:
    QList<std::pair<ConsoleList, LogRow>> rows;

    bool AddRow(ConsoleList list, const LogRow &row) override
    {
        if (row.nIcon < 1 || row.nIcon > 6)
            return false;
        rows.append({list, row});
        return true;
    }
};

const LogEntry kEntry{"Name", "Where", "What"};

}  // namespace

class TestLogWriter : public QObject {
    Q_OBJECT

private slots:
    void missingFolderIsAFailure()
    {
        ProgramFolder folder(false);
        FakeSink sink;
        RegisterLogSink(&sink);
        const LogWriteStatus status = WriteErrorLog(kEntry);
        RegisterLogSink(nullptr);
        QVERIFY(!status);
        QVERIFY(sink.rows.isEmpty());
        QVERIFY(!QFile::exists(folder.Path() + "/logs"));
        const LogWriteStatus event = WriteEventLog(kEntry, 1);
        QVERIFY(!event);
        QVERIFY(status.Notice().sText.contains("ErrorLog.txt") && event.Notice().sText.contains("EventLog.txt"));
        QCOMPARE(status.Notice().kind, FailureNotice::Kind::Warning);
    }

    void linesAndRows()
    {
        ProgramFolder folder;
        FakeSink sink;
        QVERIFY(bool(WriteEventLog(LogEntry{"Test", "Here", QString::fromUtf8("a¥b\r\nc 日 Ошибка")}, 1)));
        RegisterLogSink(&sink);
        QVERIFY(modPublic::ConsoleLoaded);
        QVERIFY(bool(WriteEventLog(LogEntry{"E", "G", ""}, 3)));
        QVERIFY(bool(WriteErrorLog(LogEntry{"X", "Y", "Z"})));
        // An icon the sink lacks: the line is written, the failure comes back.
        const LogWriteStatus refused = WriteEventLog(kEntry, 7);
        QVERIFY(!refused);
        QCOMPARE(refused.sPath, folder.LogPath("EventLog.txt"));
        RegisterLogSink(nullptr);
        QVERIFY(!modPublic::ConsoleLoaded);
        WriteErrorLog(kEntry);

        // UTF-8 bytes, "¥" as C2 A5, no escaping, CR LF after each entry: every script kept.
        QFile file(folder.LogPath("EventLog.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes.contains("\xC2\xA5Test\xC2\xA5Here\xC2\xA5" "a\xC2\xA5" "b\r\nc \xE6\x97\xA5 \xD0\x9E\xD1\x88\xD0\xB8\xD0\xB1\xD0\xBA\xD0\xB0\xC2\xA5" "1\r\n"),
                 bytes.constData());
        QVERIFY(bytes.contains("\xC2\xA5" "E\xC2\xA5G\xC2\xA5\xC2\xA5" "3\r\n"));
        QCOMPARE(folder.LogLines("EventLog.txt").value(1).section(QChar(0xA5), 0, 0), QString::fromUtf8("c 日 Ошибка"));
        QCOMPARE(sink.rows.size(), 2);
        const auto &[eventList, event] = sink.rows[0];
        QCOMPARE(eventList, ConsoleList::EventLog);
        QCOMPARE((QStringList{event.sName, event.sGeneratedAt, event.sDescription}), (QStringList{"E", "G", ""}));
        QCOMPARE(event.nIcon, 3);
        const auto &[errorList, error] = sink.rows[1];
        QVERIFY(errorList == ConsoleList::ErrorLog && error.nIcon == 4 && error.sDescription == "Z");
        // Row and line carry the same time: one reading of the clock.
        const QStringList events = folder.LogLines("EventLog.txt");
        QCOMPARE(events.size(), 4);  // the first entry's own line break is kept
        QCOMPARE(events[2].section(QChar(0xA5), 0, 0), event.sTime);
        const QStringList errors = folder.LogLines("ErrorLog.txt");
        QCOMPARE(errors.size(), 2);
        QCOMPARE(errors[0].split(QChar(0xA5)), (QStringList{error.sTime, "X", "Y", "Z"}));
    }

    void twoProcessesLoseNoLine()
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

    void generalDate_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("text");
        QTest::newRow("evening") << QDateTime(QDate(2026, 12, 4), QTime(19, 55, 10)) << "12/4/2026 7:55:10 PM";
        QTest::newRow("midnight has no time") << QDateTime(QDate(2026, 1, 2), QTime(0, 0)) << "1/2/2026";
        QTest::newRow("midnight and a half second") << QDateTime(QDate(2026, 1, 2), QTime(0, 0, 0, 500)) << "1/2/2026";
        QTest::newRow("one second past") << QDateTime(QDate(2026, 1, 2), QTime(0, 0, 1)) << "1/2/2026 12:00:01 AM";
    }

    void generalDate()
    {
        QFETCH(QDateTime, when);
        QFETCH(QString, text);
        QCOMPARE(FormatGeneralDate(when, QLocale(QLocale::English, QLocale::UnitedStates)), text);
    }
};

QTEST_GUILESS_MAIN(TestLogWriter)
#include "test_log_writer.moc"
