#include "app/FrmMain.h"
#include "common/AppIcon.h"
#include "common/BotFolder.h"
#include "common/KnowledgeLayout.h"
#include "common/QtDialogs.h"
#include "common/modPublic.h"
#include "startup/ProgramFolder.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstring>
#include <optional>

#ifdef ORVIA_SCREENSHOT_HOOK
#include "app/ScreenshotHook.h"
#endif

namespace {

constexpr const char *kHelp =
    "Usage: orvia [OPTION]... [FOLDER]\n"
    "Open Orvia's windows over the knowledge base in FOLDER/data/ (FOLDER may also be\n"
    "a folder holding keywords.txt itself); without it, the one beside this program\n"
    "or, for an installed program, the per-user copy in ~/.local/share/orvia.\n"
    "\n"
    "  -h, --help   display this help and exit\n"
    "  --version    output version information and exit\n"
    "\n"
    "Debugging > Debug Mode writes under every answer why it came, and shows the\n"
    "validator, the CRC tool and the client console in the menus.\n"
    "Errors of the knowledge files go to logs/ErrorLog.txt beside data/.\n";

// Help and version need no display, so they are answered before the toolkit starts.
std::optional<int> AnswerWithoutDisplay(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("orvia (Orvia) " ORVIA_VERSION "\n", stdout);
            return 0;
        }
    }
    return std::nullopt;
}

// The FOLDER given, what is left after the toolkit took its own options; empty when none was.
std::optional<QString> GivenFolder(QString *psError)
{
    QCommandLineParser parser;
    if (!parser.parse(QCoreApplication::arguments())) {
        *psError = parser.errorText() + QStringLiteral(" (try --help)");
        return std::nullopt;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        *psError = QStringLiteral("one FOLDER at most, not %1 (try --help)").arg(positional.size());
        return std::nullopt;
    }
    return positional.value(0);
}

}  // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> code = AnswerWithoutDisplay(argc, argv))
        return *code;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvia"));
    QApplication::setWindowIcon(AppIcon());
    QApplication::setDesktopFileName(QStringLiteral(ORVIA_APP_ID));  // the desktop shows the menu entry's name and icon

    QString sError;
    const std::optional<QString> sFolder = GivenFolder(&sError);
    if (!sFolder) {
        std::fprintf(stderr, "orvia: %s\n", qPrintable(sError));
        return 2;
    }
    QtDialogs dialogs;
    Dialogs::Install(&dialogs);
    if (sFolder->isEmpty()) {
        // A folder that cannot be set up is reported; the windows still open and
        // report each file they then miss.
        const ProgramFolderSetup folder = StartInProgramFolder(QCoreApplication::applicationDirPath());
        if (!folder.ok())
            Dialogs::MsgBox(folder.sProblem, QString(), Dialogs::Icon::Critical);
    } else {
        const BotFolder bot = FindBotFolder(*sFolder);
        if (!bot.ok()) {
            std::fprintf(stderr, "orvia: %s\n", qPrintable(bot.sError));
            return 2;
        }
        UseBotFolder(bot);
        if (const QString sProblem = MakeLogsFolder(bot); !sProblem.isEmpty())
            Dialogs::MsgBox(sProblem, QString(), Dialogs::Icon::Critical);
    }

    FrmMain main;
    main.show();
    // Set after the window is shown: only commands started from it read the name.
    modPublic::KeywordIndexFile = KnowledgeLayout::kMainIndex;
#ifdef ORVIA_SCREENSHOT_HOOK
    RunScreenshotHook(main);
#endif
    const int code = QApplication::exec();
    Dialogs::Install(nullptr);
    return code;
}
