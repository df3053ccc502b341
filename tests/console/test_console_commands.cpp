#include "common/modPublic.h"
#include "console/Console.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

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
    void commands_data();
    void commands();
    void errorEntryThatCannotBeWritten();
};

void TestConsoleCommands::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("debugBefore");
    QTest::addColumn<bool>("voiceBefore");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("debugAfter");
    QTest::addColumn<bool>("voiceAfter");
    QTest::addColumn<bool>("logged");  // a "Parsing Error" entry is written

    auto row = [](const char *command, bool debug, bool voice, const QString &reply, bool debugAfter, bool voiceAfter,
                  bool logged = false) {
        QTest::newRow(command) << QString::fromUtf8(command) << debug << voice << reply << debugAfter << voiceAfter << logged;
    };
    const QString debugOn = QStringLiteral("Debugging Mode is active - All systems set to debug mode");
    row("SET DebugMode ON", false, false, debugOn, true, false);
    row("set debugmode off", true, true, "Debugging Mode is shutting down - All Log files have been closed", false, true);
    row("set debugmode yes", true, false, kMismatch, true, false);
    row("set debugmode ", false, false, kMismatch, false, false);
    row("set debugmode", false, false, kApology, false, false, true);
    row("set voicemode on", false, false, "Voice Mode set to True", false, true);
    row("set voicemode OFF", false, true, "Voice Mode set to False", false, false);
    row("set voicemode maybe", false, true, kMismatch, false, true);
    row("set voicemode", false, false, kApology, false, false, true);
    row("set volume on loud", false, false, kNoSetObject, false, false);
    row("set  debugmode on", false, false, kNoSetObject, false, false);
    row("set", false, false, kApology, false, false, true);
    row("get voicemode", false, true, "Voice Mode is currently set to: True", false, true);
    row("GET VOICEMODE", true, false, "Voice Mode is currently set to: False", true, false);
    row("get debugmode", true, false, "Debuging System status is set to: True", true, false);
    row("get debugmode extra", false, false, "Debuging System status is set to: False", false, false);
    row("get colour", false, false, "Object not found in GET statement", false, false);
    row("get", false, false, kApology, false, false, true);
    // Tesra gives K = 8: shifts +4, -2, +9, -1, +8, -6; only the first word goes.
    row("encrypt abcdef ghi", false, false, "e`lcm`", false, false);
    row("ENCRYPT ABC", false, false, "E@L", false, false);
    row("decrypt e`lcm`", false, false, "abcdef", false, false);
    row("encrypt  abc", false, false, "No Text Specified in ENCRYPT statement", false, false);
    row("decrypt ", false, false, "No Text Specified in DECRYPT statement", false, false);
    row("encrypt", false, false, kApology, false, false, true);
    row("decrypt", false, false, kApology, false, false, true);
    row("hello", false, false, kUnrecognised, false, false);
    row(" set debugmode on", false, false, kUnrecognised, false, false);
    row("get\tvoicemode", false, false, kUnrecognised, false, false);  // a tab is no blank
    row("", true, true, kApology, true, true, true);
}

void TestConsoleCommands::commands()
{
    QFETCH(QString, command);
    QFETCH(bool, debugBefore);
    QFETCH(bool, voiceBefore);
    QFETCH(QString, reply);
    QFETCH(bool, debugAfter);
    QFETCH(bool, voiceAfter);
    QFETCH(bool, logged);

    ProgramFolder folder;
    modPublic::DebugMode = debugBefore;
    modPublic::VoiceMode = voiceBefore;

    QCOMPARE(ParseClientCommand(command), std::optional<QString>(reply));
    QCOMPARE(modPublic::DebugMode, debugAfter);
    QCOMPARE(modPublic::VoiceMode, voiceAfter);

    const QStringList lines = folder.LogLines(QStringLiteral("ErrorLog.txt"));
    QCOMPARE(lines.size(), logged ? 1 : 0);
    if (logged) {
        const QStringList fields = lines.first().split(kSeparator);
        QCOMPARE(fields.size(), 4);
        QCOMPARE(fields.mid(1), (QStringList{"Parsing Error", "ParseClientCommand",
                                             "Error Parsing Client Command (" + command + ")"}));
    }
}

void TestConsoleCommands::errorEntryThatCannotBeWritten()
{
    ScriptedDialogs dialogs;
    ProgramFolder folder(false);
    LogWriteStatus failure;
    QCOMPARE(ParseClientCommand(QStringLiteral("get"), &failure), std::nullopt);
    QVERIFY(!failure);
    QVERIFY2(failure.Message().contains(QStringLiteral("ErrorLog.txt")), qPrintable(failure.Message()));
    QVERIFY(!QFileInfo::exists(folder.Path() + QStringLiteral("/logs")));
    // The parser reports nothing itself; a command that parses needs no log.
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(ParseClientCommand(QStringLiteral("get voicemode"), &failure),
             std::optional<QString>(QStringLiteral("Voice Mode is currently set to: False")));
}

QTEST_GUILESS_MAIN(TestConsoleCommands)
#include "test_console_commands.moc"
