// orvia-lsp run as an editor runs it, on a small base with known faults: the
// messages of the protocol, the answers to each request and to malformed input.
#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QUrl>

namespace {

// A base whose index names a missing block, shadows a phrase and names a
// missing file; its response file holds a misspelt tag and a follow-up.
void WriteBase(const ProgramFolder &folder)
{
    folder.WriteData("keywords.txt", {"/ test index", "[r.txt]", "0001 hello there", "0002 broken block", "0001 hello there friend",
                                      "[missing.txt]", "0001 gone"});
    folder.WriteData("r.txt", {"*0001", "/ greetings", "# hi [name], nice to meet you.", "$how are you [nmae]?", "&fu.txt", "*"});
    folder.WriteData("fu.txt", {"[r.txt]", "0001 yes please"});
    folder.WriteData("preset1.txt", {"[Preset2.txt]", "0020 my name"});
    folder.WriteData("Preset2.txt", {"*0010", "# but what?", "*0013", "# one word, please.", "*0020", "# and it is?"});
    folder.WriteData("Preset3.txt", {"*0002", "# hello! what is your name?", "*0001", "# welcome, [name]."});
    folder.WriteData("Preset4.txt", {"*0001", "$what else?"});
}

QByteArray Frame(const QJsonObject &message)
{
    const QByteArray body = QJsonDocument(message).toJson(QJsonDocument::Compact);
    return "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

// The editor's side: frames what it sends, and reads what comes back.
class Client {
public:
    void Start(const QString &sWords)
    {
        m_server.start(QStringLiteral(ORVIA_LSP), {"--words", sWords, "--debounce", "10"});
        QVERIFY(m_server.waitForStarted());
    }
    void Raw(const QByteArray &bytes) { m_server.write(bytes); }
    void Notify(const QString &sMethod, const QJsonObject &params)
    {
        Raw(Frame({{"jsonrpc", "2.0"}, {"method", sMethod}, {"params", params}}));
    }
    QJsonValue Request(const QString &sMethod, const QJsonValue &params)
    {
        const int id = ++m_nId;
        Raw(Frame({{"jsonrpc", "2.0"}, {"id", id}, {"method", sMethod}, {"params", params}}));
        return Next([id](const QJsonObject &m) { return m.value("id") == id; });
    }
    // The next message that passes, those before it dropped but for diagnostics,
    // which are kept by file; empty after 10 s.
    QJsonValue Next(const std::function<bool(const QJsonObject &)> &wanted)
    {
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            while (const std::optional<QJsonObject> m = Parse()) {
                if (wanted(*m))
                    return *m;
                if (m->value("method") == "textDocument/publishDiagnostics")
                    m_diagnostics.insert((*m)["params"]["uri"].toString(), (*m)["params"]["diagnostics"].toArray());
            }
            m_server.waitForReadyRead(100);
            m_buffer += m_server.readAllStandardOutput();
        }
        return QJsonValue();
    }
    // The diagnostics published for a file since the last call.
    QJsonArray Diagnostics(const QString &sUri)
    {
        if (m_diagnostics.contains(sUri))
            return m_diagnostics.take(sUri);
        return Next([&](const QJsonObject &m) {
                   return m.value("method") == "textDocument/publishDiagnostics" && m["params"]["uri"] == sUri;
               })["params"]["diagnostics"].toArray();
    }
    QProcess &Server() { return m_server; }

private:
    std::optional<QJsonObject> Parse()
    {
        const qsizetype end = m_buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return std::nullopt;
        const qsizetype length = m_buffer.mid(16, end - 16).toLongLong();
        if (m_buffer.size() < end + 4 + length)
            return std::nullopt;
        const QJsonObject message = QJsonDocument::fromJson(m_buffer.mid(end + 4, length)).object();
        m_buffer.remove(0, end + 4 + length);
        return message;
    }
    QProcess m_server;
    QByteArray m_buffer;
    QHash<QString, QJsonArray> m_diagnostics;
    int m_nId = 0;
};

QJsonObject At(const QString &sUri, int nLine, int nCharacter)
{
    return {{"textDocument", QJsonObject{{"uri", sUri}}}, {"position", QJsonObject{{"line", nLine}, {"character", nCharacter}}}};
}

// "line:from-to" of a range.
QString Where(const QJsonValue &range)
{
    return QStringLiteral("%1:%2-%3")
        .arg(range["start"]["line"].toInt())
        .arg(range["start"]["character"].toInt())
        .arg(range["end"]["character"].toInt());
}

QStringList Places(const QJsonArray &locations)
{
    QStringList places;
    for (const QJsonValue &l : locations)
        places << QUrl(l["uri"].toString()).fileName() + u':' + Where(l["range"]);
    places.sort();
    return places;
}

}  // namespace

class TestOrviaLsp : public QObject {
    Q_OBJECT

    ProgramFolder m_folder;
    Client m_client;

    QString Uri(const QString &sName) const { return QUrl::fromLocalFile(m_folder.DataPath(sName)).toString(); }
    QString Text(const QString &sName) const
    {
        QFile file(m_folder.DataPath(sName));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void Change(const QString &sName, const QString &sText, int nVersion)
    {
        m_client.Notify("textDocument/didChange", {{"textDocument", QJsonObject{{"uri", Uri(sName)}, {"version", nVersion}}},
                                                  {"contentChanges", QJsonArray{QJsonObject{{"text", sText}}}}});
    }

private slots:
    void initTestCase()
    {
        WriteBase(m_folder);
        m_folder.WriteDataBytes("../words", "");
        m_client.Start(m_folder.Path() + "/words");
        const QJsonValue init = m_client.Request("initialize", QJsonObject{{"rootUri", QUrl::fromLocalFile(m_folder.Path()).toString()},
                                                                            {"capabilities", QJsonObject()}});
        const QJsonObject capabilities = init["result"]["capabilities"].toObject();
        QCOMPARE(capabilities["completionProvider"]["triggerCharacters"].toArray(), QJsonArray({"[", "&"}));
        QCOMPARE(capabilities["executeCommandProvider"]["commands"].toArray(), QJsonArray({"orvia.trySentence"}));
        m_client.Notify("initialized", {});
    }

    void diagnostics_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("expected");  // range, severity, the message's start
        QTest::newRow("index") << "keywords.txt"
                               << QStringList{"3:5-17 1 \"broken block\" cannot answer: \"r.txt\" has no block \"*0002\"",
                                              "4:5-23 2 \"hello there friend\" never answers: line 3",
                                              "5:1-12 1 response file \"missing.txt\" not found"};
        QTest::newRow("response file, not open") << "r.txt" << QStringList{"3:13-19 2 unknown tag \"[nmae]\""};
    }
    void diagnostics()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, expected);
        if (QTest::currentDataTag() == QLatin1String("index"))
            m_client.Notify("textDocument/didOpen", {{"textDocument", QJsonObject{{"uri", Uri("keywords.txt")}, {"languageId", "orvia"},
                                                                                 {"version", 1}, {"text", Text("keywords.txt")}}}});
        const QJsonArray diagnostics = m_client.Diagnostics(Uri(file));
        QCOMPARE(diagnostics.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const QString sGot = QStringLiteral("%1 %2 %3").arg(Where(diagnostics[i]["range"])).arg(diagnostics[i]["severity"].toInt())
                                     .arg(diagnostics[i]["message"].toString());
            QVERIFY2(sGot.startsWith(expected[i]), qPrintable(sGot));
        }
    }

    // A change to a file not open on disk reaches the findings of the index.
    void changes()
    {
        m_client.Notify("textDocument/didOpen", {{"textDocument", QJsonObject{{"uri", Uri("r.txt")}, {"languageId", "orvia"},
                                                                             {"version", 1}, {"text", Text("r.txt")}}}});
        m_client.Diagnostics(Uri("r.txt"));
        Change("r.txt", QString(Text("r.txt")).replace("*0001", "*0009").replace("[nmae]", "[name]"), 2);
        QCOMPARE(m_client.Diagnostics(Uri("r.txt")).size(), 1);  // 0009 is used by no line
        const QJsonArray index = m_client.Diagnostics(Uri("keywords.txt"));
        QCOMPARE(index.size(), 5);
        QVERIFY(index[0]["message"].toString().contains("has no block \"*0001\""));
        Change("r.txt", Text("r.txt"), 3);
        QCOMPARE(m_client.Diagnostics(Uri("keywords.txt")).size(), 3);
    }

    void definition_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("keyword line") << "keywords.txt" << 2 << "r.txt:0:0-5";
        QTest::newRow("section line") << "keywords.txt" << 1 << "r.txt:0:0-0";
        QTest::newRow("follow-up setting") << "r.txt" << 4 << "fu.txt:0:0-0";
        QTest::newRow("follow-up keyword line") << "fu.txt" << 1 << "r.txt:0:0-5";
        QTest::newRow("missing block") << "keywords.txt" << 3 << "";
        QTest::newRow("comment") << "keywords.txt" << 0 << "";
    }
    void definition()
    {
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, expected);
        const QJsonValue result = m_client.Request("textDocument/definition", At(Uri(file), line, 2))["result"];
        QCOMPARE(result.isNull() ? QString() : Places({result}).join(""), expected);
    }

    void references_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("block header") << "r.txt" << 0
                                      << QStringList{"fu.txt:1:0-15", "keywords.txt:2:0-16", "keywords.txt:4:0-23", "r.txt:0:0-5"};
        QTest::newRow("keyword line: its block's") << "fu.txt" << 1
                                                   << QStringList{"fu.txt:1:0-15", "keywords.txt:2:0-16", "keywords.txt:4:0-23", "r.txt:0:0-5"};
        QTest::newRow("file, cursor on a comment") << "r.txt" << 1 << QStringList{"fu.txt:0:1-6", "keywords.txt:1:1-6"};
        QTest::newRow("file named on a section line") << "keywords.txt" << 1 << QStringList{"fu.txt:0:1-6", "keywords.txt:1:1-6"};
        QTest::newRow("follow-up index named by a setting") << "r.txt" << 4 << QStringList{"r.txt:4:1-7"};
    }
    void references()
    {
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QStringList, expected);
        QJsonObject params = At(Uri(file), line, 1);
        params["context"] = QJsonObject{{"includeDeclaration", true}};
        QCOMPARE(Places(m_client.Request("textDocument/references", params)["result"].toArray()), expected);
    }

    void hover_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("character");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("keyword line") << "keywords.txt" << 4 << 7 << QStringList{"`# hi [name], nice to meet you.`", "never answers: line 3"};
        QTest::newRow("block header") << "r.txt" << 0 << 1 << QStringList{"3 index lines reach it: keywords.txt:3, keywords.txt:5, fu.txt:2"};
        QTest::newRow("tag") << "r.txt" << 2 << 8 << QStringList{"the user's name"};
    }
    void hover()
    {
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(int, character);
        QFETCH(QStringList, expected);
        const QString sHover = m_client.Request("textDocument/hover", At(Uri(file), line, character))["result"]["contents"]["value"].toString();
        for (const QString &s : expected)
            QVERIFY2(sHover.contains(s), qPrintable(sHover));
    }

    void completion_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("character");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("tag") << "r.txt" << 2 << 6 << QStringList{"[name]", "[keyword]", "[next]", "[following]"};
        QTest::newRow("section line") << "keywords.txt" << 1 << 1
                                      << QStringList{"Preset2.txt", "Preset3.txt", "Preset4.txt", "fu.txt", "keywords.txt", "preset1.txt", "r.txt"};
        QTest::newRow("code") << "keywords.txt" << 2 << 2 << QStringList{"0001"};
    }
    void completion()
    {
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(int, character);
        QFETCH(QStringList, expected);
        QStringList labels;
        for (const QJsonValue &item : m_client.Request("textDocument/completion", At(Uri(file), line, character))["result"].toArray())
            labels << item["label"].toString();
        QCOMPARE(labels, expected);
    }

    // The outline: blocks with their topic, sections with their keyword lines.
    void symbols()
    {
        QStringList outline;
        for (const char *sFile : {"r.txt", "keywords.txt"})
            for (const QJsonValue &symbol : m_client.Request("textDocument/documentSymbol",
                                                             QJsonObject{{"textDocument", QJsonObject{{"uri", Uri(sFile)}}}})["result"].toArray())
                outline << QStringLiteral("%1 %2 (%3) %4").arg(symbol["name"].toString(), symbol["detail"].toString(),
                                                             Where(symbol["selectionRange"]))
                               .arg(symbol["children"].toArray().size());
        QCOMPARE(outline, QStringList({"*0001 greetings (0:0-5) 0", "[r.txt]  (1:0-7) 3", "[missing.txt]  (5:0-13) 1"}));
    }

    void rename()
    {
        QJsonObject params = At(Uri("keywords.txt"), 2, 1);
        params["newName"] = "0100";
        const QJsonObject changes = m_client.Request("textDocument/rename", params)["result"]["changes"].toObject();
        QStringList edits;
        for (auto it = changes.begin(); it != changes.end(); ++it)
            for (const QJsonValue &edit : it.value().toArray())
                edits << QUrl(it.key()).fileName() + u':' + Where(edit["range"]) + u' ' + edit["newText"].toString();
        edits.sort();
        QCOMPARE(edits, QStringList({"fu.txt:1:0-4 0100", "keywords.txt:2:0-4 0100", "keywords.txt:4:0-4 0100", "r.txt:0:1-5 0100"}));
        params["newName"] = "a b";
        QCOMPARE(m_client.Request("textDocument/rename", params)["error"]["code"].toInt(), -32803);
    }

    void trySentence()
    {
        const QJsonObject action = m_client.Request("textDocument/codeAction",
                                                    QJsonObject{{"textDocument", QJsonObject{{"uri", Uri("keywords.txt")}}},
                                                                {"range", QJsonObject{{"start", QJsonObject{{"line", 2}, {"character", 0}}},
                                                                                      {"end", QJsonObject{{"line", 2}, {"character", 0}}}}},
                                                                {"context", QJsonObject{{"diagnostics", QJsonArray()}}}})["result"][0]["command"]
                                       .toObject();
        QCOMPARE(action["arguments"].toArray(), QJsonArray({"hello there"}));
        const QJsonObject tried = m_client.Request("workspace/executeCommand", action)["result"].toObject();
        // Either entry of the block, filled in.
        QVERIFY2(QStringList({"hi User, nice to meet you.", "how are you [nmae]?"}).contains(tried["reply"].toString()),
                 qPrintable(tried["reply"].toString()));
        QCOMPARE(tried["trace"].toArray().first().toString(), "main index data/keywords.txt:3 matched \"hello there\"");
    }

    // Each bad message is answered, and the server answers the next one.
    void malformed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::newRow("bad header") << QByteArray("Content-Type: x\r\n\r\n{}") << -32700;
        QTest::newRow("length not a number") << QByteArray("Content-Length: ten\r\n\r\n") << -32700;
        QTest::newRow("huge length") << QByteArray("Content-Length: 99999999999\r\n\r\n") << -32700;
        QTest::newRow("not JSON") << QByteArray("Content-Length: 5\r\n\r\n{oops") << -32700;
        QTest::newRow("not an object") << QByteArray("Content-Length: 2\r\n\r\n[]") << -32600;
        QTest::newRow("no method") << Frame({{"jsonrpc", "2.0"}, {"id", 99}}) << -32600;
        QTest::newRow("unknown method") << Frame({{"jsonrpc", "2.0"}, {"id", 99}, {"method", "orvia/nothing"}}) << -32601;
        QTest::newRow("params not an object") << Frame({{"jsonrpc", "2.0"}, {"id", 99}, {"method", "textDocument/hover"}, {"params", 3}}) << -32602;
        QTest::newRow("no position") << Frame({{"jsonrpc", "2.0"}, {"id", 99}, {"method", "textDocument/hover"}, {"params", QJsonObject()}})
                                     << -32602;
    }
    void malformed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        m_client.Raw(bytes);
        QCOMPARE(m_client.Next([](const QJsonObject &m) { return m.contains("error"); })["error"]["code"].toInt(), code);
        QVERIFY(m_client.Request("textDocument/hover", At(Uri("keywords.txt"), 2, 6))["result"].isObject());
    }

    void outsideTheBase()
    {
        QCOMPARE(m_client.Request("textDocument/definition", At("file:///etc/passwd.txt", 0, 0))["result"], QJsonValue());
        QCOMPARE(m_client.Request("textDocument/references", At("untitled:x", 0, 0))["result"], QJsonArray());
    }

    // A command line it cannot take ends it at once, with a reason, as the other programs do.
    void badCommandLine()
    {
        for (const QStringList &args : {QStringList{"--bogus"}, {"--debounce", "soon"}}) {
            const ProgramRun run = RunProgram(QStringLiteral(ORVIA_LSP), args);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.sErr.startsWith("orvia-lsp: ") && run.sErr.count('\n') == 1, qPrintable(run.sErr));
        }
    }

    void cleanupTestCase()
    {
        QVERIFY(m_client.Request("shutdown", QJsonValue()).toObject().contains("result"));
        m_client.Notify("exit", {});
        QVERIFY(m_client.Server().waitForFinished());
        QCOMPARE(m_client.Server().exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestOrviaLsp)
#include "test_orvia_lsp.moc"
