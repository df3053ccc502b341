// orvia-check [FOLDER]: every fault of a knowledge base, one line each, in the
// "file:line: severity: message" form that editors and CI systems read.
#include "cli/ProgramOutput.h"
#include "common/KnowledgeLayout.h"
#include "common/modPublic.h"
#include "startup/ProgramFolder.h"
#include "tools/KnowledgeCheck.h"
#include "tools/StarterBot.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

int CannotRun(const QString &sReason)
{
    return CannotRunAs("orvia-check", sReason);
}

// What --init wrote and what to do next.
QString StarterText(const QString &sFolder, const QStringList &files)
{
    QString s = QStringLiteral("wrote a starter bot in %1:\n").arg(QDir::toNativeSeparators(sFolder));
    for (const QString &sFile : files)
        s += QStringLiteral("    %1\n").arg(sFile);
    s += QStringLiteral(
             "Edit first: data/keywords.txt (a phrase and a code, in the order they are searched) and data/answers.txt\n"
             "(the block of that code); each file says in its comments what it is for.\n"
             "Chat with it: orvia-chat --trace %1    the window: orvia %1\n"
             "The guide: KNOWLEDGE.md in /usr/share/doc/orvia (docs/ in the source).\n")
             .arg(QDir::toNativeSeparators(sFolder));
    return s;
}

// "1 warning", "2 warnings".
QString Counted(int n, const char *sThing)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(sThing), n == 1 ? QString() : QStringLiteral("s"));
}

const char *SeverityName(Finding::Severity severity)
{
    return severity == Finding::Error ? "error" : "warning";
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvia-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVIA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks an Orvia knowledge base: the main keyword index, %1, every follow-up index an answer names and "
        "every response file they name. Each finding is printed as FILE:LINE: error|warning: MESSAGE, then a summary.")
        .arg(KnowledgeLayout::kNameIndex));
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("A program folder holding data/, or a data/ folder itself (default: the "
                                                "program folder orvia uses)."),
                                 QStringLiteral("[FOLDER]"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Write the findings as one JSON document."));
    const QCommandLineOption werror(QStringLiteral("werror"), QStringLiteral("Fail on warnings too."));
    const QCommandLineOption init(QStringLiteral("init"), QStringLiteral("Write a starter bot into the new FOLDER, then check it."),
                                  QStringLiteral("FOLDER"));
    const QCommandLineOption words(QStringLiteral("words"),
                                   QStringLiteral("The word list, one word a line, that a phrase is looked for inside of, beside the "
                                                  "base's own words (default: %1, when it is there).")
                                       .arg(KnowledgeCheck::kSystemWordList),
                                   QStringLiteral("FILE"));
    parser.addOption(json);
    parser.addOption(werror);
    parser.addOption(words);
    parser.addOption(init);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(QCoreApplication::arguments()))
        return CannotRun(parser.errorText() + QStringLiteral(" (try --help)"));
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText()
                          + QStringLiteral("\nExit status: 0 no error, 1 errors (or warnings with --werror), 2 cannot run.\n"));
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("orvia-check (Orvia) %1\n").arg(QStringLiteral(ORVIA_VERSION)));
        return 0;
    }
    QStringList args = parser.positionalArguments();
    if (args.size() > 1 || (parser.isSet(init) && !args.isEmpty()))
        return CannotRun(QStringLiteral("one FOLDER at most (try --help)"));
    if (parser.isSet(init)) {
        const QString sNew = parser.value(init);
        const StarterBot::Result starter = StarterBot::Write(sNew);
        if (!starter.sError.isEmpty())
            return CannotRun(starter.sError);
        Print(stdout, StarterText(sNew, starter.files));
        args = QStringList{sNew};
    }

    QString sNotice;
    const QString sFolder = args.value(0, QStringLiteral("."));
    const BotFolder bot = ChosenBotFolder(args.value(0), &sNotice);
    if (!sNotice.isEmpty())
        Print(stderr, QStringLiteral("orvia-check: %1\n").arg(sNotice));
    if (!bot.ok())
        return CannotRun(bot.sError);
    UseBotFolder(bot);
    // Findings name their files as FOLDER was given: FOLDER/data/name, or FOLDER/name for a data folder.
    const QString sShownData = args.isEmpty() && !CurrentFolderIsBot() ? bot.sDataFolder
                               : QDir(bot.sDataFolder) == QDir(sFolder) ? sFolder
                                                                         : sFolder + QStringLiteral("/data");

    // Named as given; in full when none was, since then it is not on the command line.
    const QString sCheckedFolder = args.isEmpty() ? bot.sDataFolder : QDir::cleanPath(sShownData);

    KnowledgeCheck check;
    if (parser.isSet(words)) {
        const QString sWords = parser.value(words);
        if (QFile file(sWords); !file.open(QIODevice::ReadOnly))
            return CannotRun(QStringLiteral("word list %1 cannot be read: %2").arg(sWords, file.errorString()));
        check.SetWordList(sWords);
    }
    if (!check.Run())
        return CannotRun(check.IndexError());
    auto shown = [&](const Finding &f) { return QDir::cleanPath(sShownData + QLatin1Char('/') + f.sFile); };
    const int nErrors = check.Count(Finding::Error);
    const int nWarnings = check.Count(Finding::Warning);
    const int nCodes = int(check.UsedBlocks().size());

    if (parser.isSet(json)) {
        QJsonArray findings;
        for (const Finding &f : check.Findings()) {
            QJsonObject o{{QStringLiteral("file"), shown(f)},
                          {QStringLiteral("severity"), QLatin1String(SeverityName(f.severity))},
                          {QStringLiteral("message"), f.sMessage}};
            if (f.nLine > 0)
                o.insert(QStringLiteral("line"), f.nLine);
            findings.append(o);
        }
        const QJsonObject summary{{QStringLiteral("folder"), sCheckedFolder},
                                  {QStringLiteral("files"), check.FilesRead()},
                                  {QStringLiteral("keywordLines"), check.KeywordLines()},
                                  {QStringLiteral("codes"), nCodes},
                                  {QStringLiteral("errors"), nErrors},
                                  {QStringLiteral("warnings"), nWarnings}};
        const QJsonObject document{{QStringLiteral("findings"), findings}, {QStringLiteral("summary"), summary}};
        Print(stdout, QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented)));
    } else {
        QString sOut;
        for (const Finding &f : check.Findings()) {
            const QString sWhere = f.nLine > 0 ? QStringLiteral("%1:%2").arg(shown(f)).arg(f.nLine) : shown(f);
            sOut += QStringLiteral("%1: %2: %3\n").arg(sWhere, QLatin1String(SeverityName(f.severity)), f.sMessage);
        }
        sOut += QStringLiteral("checked %1 in %2, %3, %4: %5, %6\n")
                    .arg(Counted(check.FilesRead(), "file"), QDir::toNativeSeparators(sCheckedFolder),
                         Counted(check.KeywordLines(), "keyword line"), Counted(nCodes, "code"), Counted(nErrors, "error"),
                         Counted(nWarnings, "warning"));
        Print(stdout, sOut);
    }
    return nErrors > 0 || (parser.isSet(werror) && nWarnings > 0) ? 1 : 0;
}
