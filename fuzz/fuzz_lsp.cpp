// orvia-lsp's reader and dispatcher over any bytes, on a small base: every
// write of the server is one framed JSON-RPC message: a notification, or an
// answer holding a result or an error.
// Input: the bytes of the stream ("$BASE" stands for the data folder's URL),
// then files ("name LF bytes"), separated by two 0xFF bytes; without a
// keywords.txt among them a base of three files stands in.
#include "FuzzSupport.h"

#include "common/modPublic.h"
#include "lsp/LspServer.h"
#include "lsp/MessageStream.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

#include <algorithm>

namespace {

QByteArray Framed(const QByteArray &json)
{
    return "Content-Length: " + QByteArray::number(json.size()) + "\r\n\r\n" + json;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::BeginInput();
    const Fuzz::Input input = Fuzz::Split(data, size, 1);
    Fuzz::WriteFiles(input);
    if (std::none_of(input.files.cbegin(), input.files.cend(), [](const Fuzz::Input::File &f) { return f.sName == u"keywords.txt"; })) {
        Fuzz::WriteData(QStringLiteral("keywords.txt"), "[r.txt]\r\n0001 hello\r\n0002 gone\r\n[none.txt]\r\n");
        Fuzz::WriteData(QStringLiteral("r.txt"), "*0001\r\n# hi [name]\r\n$and [nmae]?\r\n&fu.txt\r\n*\r\n");
        Fuzz::WriteData(QStringLiteral("fu.txt"), "[r.txt]\r\n0001 yes\r\n");
    }
    const QByteArray sBase = QUrl::fromLocalFile(modPublic::ProgramFolder + QStringLiteral("/data")).toEncoded();

    MessageReader replies;
    LspServer server([&](const QByteArray &bytes) {
        replies.Append(bytes);
        const std::optional<MessageReader::Message> m = replies.Next();
        FUZZ_CHECK(m && m->kind == MessageReader::Message::Body && !replies.Next(), QString::fromUtf8(bytes));
        const QJsonObject reply = QJsonDocument::fromJson(m->body).object();
        FUZZ_CHECK(reply.value(QStringLiteral("jsonrpc")) == QStringLiteral("2.0"), QString::fromUtf8(m->body));
        if (reply.contains(QStringLiteral("method")))
            return;
        FUZZ_CHECK(reply.contains(QStringLiteral("id")), QString::fromUtf8(m->body));
        FUZZ_CHECK(reply.contains(QStringLiteral("result")) != reply.contains(QStringLiteral("error")), QString::fromUtf8(m->body));
    });
    server.SetWordList(QString());
    server.Receive(Framed(R"({"jsonrpc":"2.0","id":"start","method":"initialize","params":{"rootUri":")" + sBase + "\"}}"));
    QByteArray stream = input.stringBytes.value(0).toByteArray();
    stream.replace("$BASE", sBase);
    // In pieces, as a pipe gives them.
    for (qsizetype at = 0; at < stream.size(); at += 61)
        server.Receive(stream.mid(at, 61));
    server.EndOfInput();
    return 0;
}
