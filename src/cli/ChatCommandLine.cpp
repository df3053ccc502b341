#include "cli/ChatCommandLine.h"

#include <QCommandLineParser>

ChatCommandLine ParseChatCommandLine(const QStringList &arguments)
{
    ChatCommandLine cmd;
    QCommandLineParser parser;
    const QCommandLineOption name(QStringLiteral("name"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("N"));
    const QCommandLineOption trace(QStringLiteral("trace"));
    const QCommandLineOption report(QStringLiteral("report"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({name, seed, trace, report, help, version});
    if (!parser.parse(arguments)) {
        cmd.sError = parser.errorText();
        return cmd;
    }
    cmd.help = parser.isSet(help);
    cmd.version = parser.isSet(version);
    cmd.trace = parser.isSet(trace);
    cmd.report = parser.isSet(report);
    if (parser.isSet(name))
        cmd.name = parser.value(name);
    if (parser.isSet(seed))
        cmd.seed = ParseSeed(parser.value(seed), &cmd.sError);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        cmd.sError = QStringLiteral("one FOLDER at most, not %1 (try --help)").arg(positional.size());
    cmd.sFolder = positional.value(0);
    return cmd;
}

std::optional<quint64> ParseSeed(const QString &sValue, QString *psError)
{
    bool ok = false;
    const quint64 n = sValue.toULongLong(&ok);
    if (ok)
        return n;
    *psError = QStringLiteral("--seed needs a whole number from 0 to 18446744073709551615, not '%1'").arg(sValue);
    return std::nullopt;
}

QString ChatHelpText()
{
    return QStringLiteral(
        "Usage: orvia-chat [OPTION]... [FOLDER]\n"
        "Chat with Orvia over the knowledge base in FOLDER/data/ (FOLDER may also be\n"
        "that data/ folder; without it, the folder of this program).\n"
        "On a terminal, lines can be edited and earlier ones recalled with the arrow\n"
        "keys; Ctrl-D ends the chat. From a pipe, each line is one sentence and the\n"
        "transcript (your lines and Orvia's) goes to standard output.\n"
        "\n"
        "  --name NAME  answer the name question with NAME before the first line\n"
        "  --seed N     draw answers from the seed N: the same input then gives the\n"
        "               same transcript\n"
        "  --trace      show under each answer why it came: the index searched, the\n"
        "               line that matched, the entry chosen, the follow-up set\n"
        "  --report     at the end, list the sentences no keyword matched, how often\n"
        "               each code answered and the keyword lines that never answered\n"
        "  -h, --help   display this help and exit\n"
        "  --version    output version information and exit\n"
        "\n"
        "Errors of the knowledge files go to FOLDER/logs/ErrorLog.txt, as in the windows.\n"
        "Exit status: 0 when the chat ran, 2 when it cannot run.\n");
}
