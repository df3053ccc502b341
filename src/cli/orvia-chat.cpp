#include "cli/ChatCommandLine.h"
#include "cli/TerminalChat.h"
#include "common/DataFolder.h"
#include "common/KnowledgeLayout.h"
#include "common/TextFile.h"
#include "common/modPublic.h"
#include "engine/Randomizer.h"
#include "startup/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <editline/readline.h>
#include <langinfo.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

// Ctrl-C ends the chat as Ctrl-D does, so that --report still comes: the
// input is closed under the read that waits for a line. A second Ctrl-C ends
// the program at once.
void OnInterrupt(int)
{
    if (g_interrupted)
        std::_Exit(130);
    g_interrupted = 1;
    close(STDIN_FILENO);
}

void CatchInterrupt()
{
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

// Line editing reads characters by the locale's encoding, and Qt takes the line
// as UTF-8 whatever the locale: in a locale of another encoding ("C") typed
// letters such as "ë" would be dropped, so the editing reads UTF-8 too.
void EditInUtf8()
{
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0)
        std::setlocale(LC_CTYPE, "C.UTF-8");
}

// A line of a pipe without its line end, decoded line by line: a transcript
// saved by an older editor may be in Windows-1252.
QString PipedLine(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return TextFile::DecodeLine(line);
}

// A terminal line with editing and the session's history; nullopt at the end.
std::optional<QString> ReadTerminalLine(const QString &sPrompt)
{
    char *line = readline(sPrompt.toLocal8Bit().constData());
    if (g_interrupted) {
        std::free(line);
        return std::nullopt;
    }
    if (!line)
        return std::nullopt;
    if (*line)
        add_history(line);
    const QString sLine = QString::fromLocal8Bit(line);
    std::free(line);
    return sLine;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const ChatCommandLine cmd = ParseChatCommandLine(QCoreApplication::arguments());
    if (!cmd.sError.isEmpty()) {
        err << "orvia-chat: " << cmd.sError << '\n';
        return 2;
    }
    if (cmd.help) {
        out << ChatHelpText();
        return 0;
    }
    if (cmd.version) {
        out << "orvia-chat (Orvia) " ORVIA_VERSION "\n";
        return 0;
    }

    QString sNotice;
    const BotFolder bot = ChosenBotFolder(cmd.sFolder, &sNotice);
    if (!sNotice.isEmpty())
        err << "orvia-chat: " << sNotice << '\n';
    if (!bot.ok()) {
        err << "orvia-chat: " << bot.sError << '\n';
        return 2;
    }
    UseBotFolder(bot);
    if (const QString sProblem = MakeLogsFolder(bot); !sProblem.isEmpty())
        err << "orvia-chat: " << sProblem << '\n';
    modPublic::KeywordIndexFile = KnowledgeLayout::kMainIndex;
    // Without its main index every answer would be the fallback: refused, as orvia-check refuses it.
    TextFile::Failure failure;
    if (!TextFile::ReadBytes(DataFolder::DataPath(modPublic::KeywordIndexFile), &failure)) {
        err << "orvia-chat: the main index cannot be read: " << failure.sDescription << '\n';
        return 2;
    }
    if (cmd.seed)
        Randomizer::UseFixedSeed(*cmd.seed);

    // Line editing needs both ends on the terminal; otherwise the output is a transcript.
    const bool terminal = isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
    TerminalChat chat(out, {.echoUserLines = !terminal, .trace = cmd.trace, .failures = &err});
    chat.Start();
    if (cmd.name) {
        if (terminal)  // shown as if typed
            out << chat.Prompt() << *cmd.name << '\n';
        chat.GiveName(*cmd.name);
    }
    CatchInterrupt();
    if (terminal) {
        EditInUtf8();
        while (const std::optional<QString> sLine = ReadTerminalLine(chat.Prompt()))
            chat.Type(*sLine);
        out << '\n';
    } else {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return 2;
        while (!in.atEnd()) {
            const QByteArray line = in.readLine();
            if (g_interrupted || (line.isEmpty() && in.atEnd()))
                break;
            chat.Type(PipedLine(line));
        }
    }
    if (cmd.report) {
        for (const QString &sLine : chat.Report().Lines())
            out << sLine << '\n';
    }
    out.flush();
    return 0;
}
