#include "cli/TestCommandLine.h"

#include "cli/ChatCommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

// The positional arguments of a run: test files, then at most one folder.
void TakeTestFiles(TestCommandLine &cmd, const QStringList &positional)
{
    for (qsizetype i = 0; i < positional.size(); ++i) {
        const bool last = i + 1 == positional.size();
        if (last && QFileInfo(positional[i]).isDir() && i > 0)
            cmd.sFolder = positional[i];
        else
            cmd.testFiles << positional[i];
    }
    if (cmd.testFiles.isEmpty())
        cmd.sError = QStringLiteral("no test file given (try --help)");
}

// SENTENCES [FOLDER], the positional arguments of --record, --compare-git and --fallbacks.
void TakeSentences(TestCommandLine &cmd, const QStringList &positional, const char *sOption)
{
    if (positional.isEmpty() || positional.size() > 2) {
        cmd.sError = QStringLiteral("%1 takes SENTENCES and at most one FOLDER (try --help)").arg(QLatin1String(sOption));
        return;
    }
    cmd.sSentences = positional[0];
    cmd.sFolder = positional.value(1);
}

int CountSet(std::initializer_list<bool> modes)
{
    int n = 0;
    for (const bool b : modes)
        n += b;
    return n;
}

}  // namespace

TestCommandLine ParseTestCommandLine(const QStringList &arguments)
{
    TestCommandLine cmd;
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption junit(QStringLiteral("junit"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption record(QStringLiteral("record"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption compare(QStringLiteral("compare"));
    const QCommandLineOption compareGit(QStringLiteral("compare-git"), QString(), QStringLiteral("REV"));
    const QCommandLineOption fallbacks(QStringLiteral("fallbacks"));
    const QCommandLineOption name(QStringLiteral("name"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("N"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({json, junit, record, compare, compareGit, fallbacks, name, seed, help, version});
    if (!parser.parse(arguments)) {
        cmd.sError = parser.errorText() + QStringLiteral(" (try --help)");
        return cmd;
    }
    cmd.help = parser.isSet(help);
    cmd.version = parser.isSet(version);
    cmd.json = parser.isSet(json);
    cmd.sJUnit = parser.value(junit);
    if (parser.isSet(name))
        cmd.name = parser.value(name);
    if (parser.isSet(seed))
        cmd.seed = ParseSeed(parser.value(seed), &cmd.sError);
    if (cmd.help || cmd.version || !cmd.sError.isEmpty())
        return cmd;
    if (CountSet({parser.isSet(record), parser.isSet(compare), parser.isSet(compareGit), parser.isSet(fallbacks)}) > 1) {
        cmd.sError = QStringLiteral("one of --record, --compare, --compare-git and --fallbacks at a time");
        return cmd;
    }
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(record)) {
        cmd.mode = TestCommandLine::Record;
        cmd.sRecordTo = parser.value(record);
        TakeSentences(cmd, positional, "--record FILE.convo");
    } else if (parser.isSet(compare)) {
        cmd.mode = TestCommandLine::Compare;
        if (positional.size() != 3)
            cmd.sError = QStringLiteral("--compare takes OLD NEW SENTENCES (try --help)");
        cmd.sOld = positional.value(0);
        cmd.sNew = positional.value(1);
        cmd.sSentences = positional.value(2);
    } else if (parser.isSet(compareGit)) {
        cmd.mode = TestCommandLine::CompareGit;
        cmd.sRevision = parser.value(compareGit);
        TakeSentences(cmd, positional, "--compare-git REV");
    } else if (parser.isSet(fallbacks)) {
        cmd.mode = TestCommandLine::Fallbacks;
        TakeSentences(cmd, positional, "--fallbacks");
    } else {
        TakeTestFiles(cmd, positional);
        if (cmd.name)
            cmd.sError = QStringLiteral("--name is for sentences; a test file answers the name question with a line \"name: NAME\"");
    }
    if (cmd.sError.isEmpty() && (cmd.json || !cmd.sJUnit.isEmpty()) && cmd.mode != TestCommandLine::Run)
        cmd.sError = QStringLiteral("--json and --junit report a run of test files");
    return cmd;
}

QString TestHelpText()
{
    return QStringLiteral(
        "Usage: orvia-test [OPTION]... FILE.convo... [FOLDER]\n"
        "  or:  orvia-test --record FILE.convo [--name NAME] SENTENCES [FOLDER]\n"
        "  or:  orvia-test --compare [--name NAME] OLD NEW SENTENCES\n"
        "  or:  orvia-test --compare-git REV [--name NAME] SENTENCES [FOLDER]\n"
        "  or:  orvia-test --fallbacks [--name NAME] SENTENCES [FOLDER]\n"
        "Run the conversations of test files against the knowledge base in FOLDER (a\n"
        "program folder holding data/, or a data folder itself; without it, the current\n"
        "folder when it is one, else the folder of this program). Each conversation is a\n"
        "fresh chat, as a chat window starts it. Every expectation that fails is printed\n"
        "as FILE.convo:LINE: error: expected ..., got ..., with the reply and why it came,\n"
        "then a summary. Nothing is written to the base's logs.\n"
        "\n"
        "A test file holds conversations separated by blank lines:\n"
        "  name: Sam            answer the name question with Sam first (first line only)\n"
        "  > I love pizza       what the user says (\">\" alone: an empty line)\n"
        "  < code 0021 food.txt the answer came from that code (of that response file)\n"
        "  < line keywords.txt:12   the keyword line that matched (\"line FILE\": any line of it)\n"
        "  < follow-up fu_food.txt  the follow-up index the answer leaves for the next sentence\n"
        "  < fallback           no keyword matched\n"
        "  < ~ topping          every entry the block could give holds the text (any case)\n"
        "  < !~ topping         no entry the block could give holds it\n"
        "  < = text             every entry is exactly the text\n"
        "  < any                anything but a failure\n"
        "  # comment\n"
        "\n"
        "SENTENCES is a file of sentences, one a line, blank lines between conversations,\n"
        "lines beginning with \"#\" or \"/\" comments.\n"
        "\n"
        "  --json             write the failures and the summary as one JSON document\n"
        "  --junit FILE       also write the results as JUnit XML into FILE\n"
        "  --seed N           draw the replies the conversations go on with from N\n"
        "  --record FILE      write a test file of today's answers to the sentences\n"
        "  --compare          list the sentences whose answer moves between base OLD and NEW\n"
        "  --compare-git REV  the same for FOLDER as of the git revision REV against its files now\n"
        "  --fallbacks        group the sentences the fallback block answered, by shared words\n"
        "  --name NAME        with sentences: answer each name question with NAME first\n"
        "  -h, --help         display this help and exit\n"
        "  --version          output version information and exit\n"
        "\n"
        "Exit status: 0 all expectations hold (--compare: no answer moved), 1 one fails\n"
        "(--compare: an answer moved), 2 cannot run (a malformed test line among them).\n");
}
