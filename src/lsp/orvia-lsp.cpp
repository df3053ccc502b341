// orvia-lsp: a language server for knowledge bases, over standard input and
// output, for any editor that speaks the language server protocol.
#include "lsp/LspServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QMetaObject>

#include <cstdio>
#include <thread>

#include <unistd.h>

namespace {

// Standard input is read on a thread of its own, so that a read waiting for
// the editor never holds up the timer of the next check.
void ReadInput(LspServer *server)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        QByteArray bytes(buffer, n);
        QMetaObject::invokeMethod(server, [server, bytes] { server->Receive(bytes); }, Qt::QueuedConnection);
    }
    QMetaObject::invokeMethod(server, [server] { server->EndOfInput(); }, Qt::QueuedConnection);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvia-lsp"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVIA_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A language server for Orvia knowledge bases, spoken over standard input and output: the findings of orvia-check as "
        "diagnostics, go to definition, references, hover, completion, outline, rename of a code, and \"orvia.trySentence\"."));
    const QCommandLineOption words(QStringLiteral("words"), QStringLiteral("The word list of orvia-check --words."), QStringLiteral("FILE"));
    const QCommandLineOption debounce(QStringLiteral("debounce"), QStringLiteral("Milliseconds without a change before a check (default 20)."),
                                      QStringLiteral("MS"));
    parser.addOption(words);
    parser.addOption(debounce);
    parser.addHelpOption();
    parser.addVersionOption();
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "orvia-lsp: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    bool bDebounceRead = true;
    const int nDebounce = parser.isSet(debounce) ? parser.value(debounce).toInt(&bDebounceRead) : 0;
    if (!bDebounceRead || nDebounce < 0) {
        std::fprintf(stderr, "orvia-lsp: --debounce takes a number of milliseconds, not \"%s\"\n", qPrintable(parser.value(debounce)));
        return 2;
    }

    LspServer server([](const QByteArray &bytes) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        std::fflush(stdout);
    });
    if (parser.isSet(words))
        server.SetWordList(parser.value(words));
    if (parser.isSet(debounce))
        server.SetDebounce(nDebounce);
    QObject::connect(&server, &LspServer::Finished, &app, [](int nCode) {
        std::fflush(stdout);
        // The reading thread may wait in read() still: leave without joining it.
        std::_Exit(nCode);
    });
    std::thread(ReadInput, &server).detach();
    return app.exec();
}
