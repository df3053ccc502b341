#include "common/modPublic.h"
#include "console/Console.h"
#include "support/ProgramFolder.h"

#include <QTest>

using Console::ParseClientCommand;

namespace {

const QString kApology = QStringLiteral("There was an Error Processing your command - Please try again");
const QString kMismatch = QStringLiteral("Type Mismatch - On/Off syntax required ");
const QString kNoSetObject = QStringLiteral("Object not found in SET statement");
const QString kUnrecognised = QStringLiteral("Unrecognised Command");
const QChar kSeparator(0x00A5);

}  // namespace

class TestConsoleCommands : public QObject {
    Q_OBJECT

private slots:
    void commands_data()
    {
        // Modes before and after: "d" debug mode on, "v" voice mode on.
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("after");
        auto row = [](const char *command, const char *before, const QString &reply, const char *after) {
            QTest::newRow(command) << QString::fromUtf8(command) << QString(before) << reply << QString(after);
        };
        const QString debugOn = QStringLiteral("Debugging Mode is active - All systems set to debug mode");
        row("SET DebugMode ON", "", debugOn, "d");
        row("set debugmode off", "dv", "Debugging Mode is shutting down - All Log files have been closed", "v");
        row("set debugmode yes", "d", kMismatch, "d");
        row("set debugmode ", "", kMismatch, "");
        row("set debugmode", "", kApology, "");
        row("set voicemode on", "", "Voice Mode set to True", "v");
        row("set voicemode OFF", "v", "Voice Mode set to False", "");
        row("set voicemode maybe", "v", kMismatch, "v");
        row("set voicemode", "", kApology, "");
        row("set volume on loud", "", kNoSetObject, "");
        row("set  debugmode on", "", kNoSetObject, "");
        row("set", "", kApology, "");
        row("get voicemode", "v", "Voice Mode is currently set to: True", "v");
        row("GET VOICEMODE", "d", "Voice Mode is currently set to: False", "d");
        row("get debugmode", "d", "Debuging System status is set to: True", "d");
        row("get debugmode extra", "", "Debuging System status is set to: False", "");
        row("get colour", "", "Object not found in GET statement", "");
        row("get", "", kApology, "");
        // Tesra gives K = 8: shifts +4, -2, +9, -1, +8, -6; only the first word goes.
        row("encrypt abcdef ghi", "", "e`lcm`", "");
        row("ENCRYPT ABC", "", "E@L", "");
        row("decrypt e`lcm`", "", "abcdef", "");
        row("encrypt  abc", "", "No Text Specified in ENCRYPT statement", "");
        row("decrypt ", "", "No Text Specified in DECRYPT statement", "");
        row("encrypt", "", kApology, "");
        row("decrypt", "", kApology, "");
        row("hello", "", kUnrecognised, "");
        row(" set debugmode on", "", kUnrecognised, "");
        row("get\tvoicemode", "", kUnrecognised, "");  // a tab is no blank
        row("", "dv", kApology, "dv");
    }

    void commands()
    {
        QFETCH(QString, command);
        QFETCH(QString, before);
        QFETCH(QString, reply);
        QFETCH(QString, after);
        ProgramFolder folder;
        modPublic::DebugMode = before.contains('d');
        modPublic::VoiceMode = before.contains('v');
        QCOMPARE(ParseClientCommand(command), std::optional<QString>(reply));
        QCOMPARE(QString(modPublic::DebugMode ? "d" : "") + (modPublic::VoiceMode ? "v" : ""), after);
        // What cannot be parsed is apologised for and written to the error log.
        const QStringList lines = folder.LogLines(QStringLiteral("ErrorLog.txt"));
        QCOMPARE(lines.size(), reply == kApology ? 1 : 0);
        if (reply == kApology)
            QCOMPARE(lines.first().split(kSeparator).mid(1),
                     (QStringList{"Parsing Error", "ParseClientCommand", "Error Parsing Client Command (" + command + ")"}));
    }
};

QTEST_GUILESS_MAIN(TestConsoleCommands)
#include "test_console_commands.moc"
