#include "lsp/LspServer.h"

#include "lsp/TrySentence.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

namespace {

// The protocol's error codes.
constexpr int kParseError = -32700, kInvalidRequest = -32600, kMethodNotFound = -32601, kInvalidParams = -32602;
constexpr int kServerNotInitialized = -32002, kRequestFailed = -32803;
constexpr int kDefaultDebounce = 20;

QJsonObject Capabilities()
{
    return {
        {QStringLiteral("textDocumentSync"), QJsonObject{{QStringLiteral("openClose"), true}, {QStringLiteral("change"), 1},
                                                         {QStringLiteral("save"), true}}},
        {QStringLiteral("definitionProvider"), true},
        {QStringLiteral("referencesProvider"), true},
        {QStringLiteral("hoverProvider"), true},
        {QStringLiteral("completionProvider"), QJsonObject{{QStringLiteral("triggerCharacters"), QJsonArray{QStringLiteral("["), QStringLiteral("&")}}}},
        {QStringLiteral("documentSymbolProvider"), true},
        {QStringLiteral("renameProvider"), QJsonObject{{QStringLiteral("prepareProvider"), true}}},
        {QStringLiteral("codeActionProvider"), true},
        {QStringLiteral("executeCommandProvider"), QJsonObject{{QStringLiteral("commands"), QJsonArray{QString(Features::kTryCommand)}}}},
    };
}

// A position's line or character: a whole number, not negative.
std::optional<int> Count(const QJsonValue &value)
{
    if (!value.isDouble() || value.toDouble() < 0 || value.toDouble() != double(value.toInt()))
        return std::nullopt;
    return value.toInt();
}

QString UriIn(const QJsonObject &params)
{
    return params.value(QStringLiteral("textDocument")).toObject().value(QStringLiteral("uri")).toString();
}

}  // namespace

LspServer::LspServer(Writer write, QObject *parent)
    : QObject(parent)
    , m_write(std::move(write))
{
    m_recheck.setSingleShot(true);
    m_recheck.setInterval(kDefaultDebounce);
    connect(&m_recheck, &QTimer::timeout, this, &LspServer::CheckNow);
}

void LspServer::Receive(const QByteArray &bytes)
{
    m_reader.Append(bytes);
    while (!m_bFinished) {
        const std::optional<MessageReader::Message> message = m_reader.Next();
        if (!message)
            break;
        if (message->kind == MessageReader::Message::BadHeader)
            SendError(QJsonValue::Null, kParseError, QString::fromUtf8(message->reason));
        else
            Handle(message->body);
    }
}

void LspServer::EndOfInput()
{
    if (m_bFinished)
        return;
    m_bFinished = true;
    emit Finished(m_bShutdown ? 0 : 1);
}

void LspServer::Send(const QJsonObject &message)
{
    QJsonObject framed = message;
    framed.insert(QStringLiteral("jsonrpc"), QStringLiteral("2.0"));
    m_write(FrameMessage(framed));
}

void LspServer::SendError(const QJsonValue &id, int nCode, const QString &sMessage)
{
    // An answer without an id would be no answer: a message that had none is answered with null.
    Send({{QStringLiteral("id"), id.isUndefined() ? QJsonValue(QJsonValue::Null) : id},
          {QStringLiteral("error"), QJsonObject{{QStringLiteral("code"), nCode}, {QStringLiteral("message"), sMessage}}}});
}

void LspServer::Handle(const QByteArray &body)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parse);
    if (parse.error != QJsonParseError::NoError)
        return SendError(QJsonValue::Null, kParseError, QStringLiteral("not JSON: %1 at %2").arg(parse.errorString()).arg(parse.offset));
    if (!document.isObject())
        return SendError(QJsonValue::Null, kInvalidRequest, QStringLiteral("a message is a JSON object"));
    const QJsonObject message = document.object();
    const bool hasId = message.contains(QStringLiteral("id"));
    const QJsonValue id = message.value(QStringLiteral("id"));
    if (hasId && !id.isString() && !id.isDouble() && !id.isNull())
        return SendError(QJsonValue::Null, kInvalidRequest, QStringLiteral("an id is a number or a string"));
    const QJsonValue method = message.value(QStringLiteral("method"));
    if (!method.isString()) {
        // An answer to a request of ours: the server sends none it waits for.
        if (hasId && (message.contains(QStringLiteral("result")) || message.contains(QStringLiteral("error"))))
            return;
        return SendError(id, kInvalidRequest, QStringLiteral("no method"));
    }
    const QJsonValue params = message.value(QStringLiteral("params"));
    if (hasId)
        Request(id, method.toString(), params);
    else if (params.isObject() || params.isUndefined() || params.isNull())
        Notification(method.toString(), params.toObject());
}

void LspServer::Request(const QJsonValue &id, const QString &sMethod, const QJsonValue &params)
{
    if (!params.isUndefined() && !params.isNull() && !params.isObject() && !params.isArray())
        return SendError(id, kInvalidParams, QStringLiteral("params are an object or an array"));
    if (!m_bInitialized && sMethod != QLatin1String("initialize"))
        return SendError(id, kServerNotInitialized, QStringLiteral("initialize comes first"));
    if (m_bShutdown)
        return SendError(id, kInvalidRequest, QStringLiteral("the server is shutting down"));
    const Result result = Answer(sMethod, params.toObject());
    if (const Error *error = std::get_if<Error>(&result))
        return SendError(id, error->nCode, error->sMessage);
    Send({{QStringLiteral("id"), id}, {QStringLiteral("result"), std::get<QJsonValue>(result)}});
}

LspServer::Result LspServer::Answer(const QString &sMethod, const QJsonObject &params)
{
    using namespace Features;
    const Workspace &base = m_base;
    if (sMethod == QLatin1String("initialize"))
        return Initialize(params);
    if (sMethod == QLatin1String("shutdown")) {
        m_bShutdown = true;
        return QJsonValue();
    }
    if (sMethod == QLatin1String("textDocument/definition"))
        return AtPosition(params, [&](const Place &at) { return Definition(base, at); }, QJsonValue());
    if (sMethod == QLatin1String("textDocument/references")) {
        const bool declaration = params.value(QStringLiteral("context")).toObject().value(QStringLiteral("includeDeclaration")).toBool();
        return AtPosition(params, [&](const Place &at) { return References(base, at, declaration); }, QJsonArray());
    }
    if (sMethod == QLatin1String("textDocument/hover"))
        return AtPosition(params, [&](const Place &at) { return Hover(base, at); }, QJsonValue());
    if (sMethod == QLatin1String("textDocument/completion"))
        return AtPosition(params, [&](const Place &at) { return Completion(base, at); }, QJsonArray());
    if (sMethod == QLatin1String("textDocument/documentSymbol")) {
        QJsonObject at = params;
        at.insert(QStringLiteral("position"), QJsonObject{{QStringLiteral("line"), 0}, {QStringLiteral("character"), 0}});
        return AtPosition(at, [&](const Place &place) { return Symbols(base, *place.file); }, QJsonArray());
    }
    if (sMethod == QLatin1String("textDocument/prepareRename"))
        return AtPosition(params, [&](const Place &at) { return PrepareRename(base, at); }, QJsonValue());
    if (sMethod == QLatin1String("textDocument/rename")) {
        const QJsonValue newName = params.value(QStringLiteral("newName"));
        if (!newName.isString())
            return Error{kInvalidParams, QStringLiteral("newName is a string")};
        QString sError;
        Result edit = AtPosition(params, [&](const Place &at) { return Rename(base, at, newName.toString(), &sError); }, QJsonValue());
        if (!sError.isEmpty())
            return Error{kRequestFailed, sError};
        return edit;
    }
    if (sMethod == QLatin1String("textDocument/codeAction")) {
        QJsonObject at = params;
        at.insert(QStringLiteral("position"), params.value(QStringLiteral("range")).toObject().value(QStringLiteral("start")));
        return AtPosition(at, [&](const Place &place) { return CodeActions(base, place); }, QJsonArray());
    }
    if (sMethod == QLatin1String("workspace/executeCommand"))
        return ExecuteCommand(params);
    return Error{kMethodNotFound, QStringLiteral("no method %1").arg(sMethod)};
}

LspServer::Result LspServer::Initialize(const QJsonObject &params)
{
    if (m_bInitialized)
        return Error{kInvalidRequest, QStringLiteral("initialize came already")};
    m_bInitialized = true;
    QStringList roots;
    for (const QJsonValue &folder : params.value(QStringLiteral("workspaceFolders")).toArray())
        roots << QUrl(folder.toObject().value(QStringLiteral("uri")).toString()).toLocalFile();
    roots.prepend(QUrl(params.value(QStringLiteral("rootUri")).toString()).toLocalFile());
    roots << params.value(QStringLiteral("rootPath")).toString();
    for (const QString &sRoot : std::as_const(roots))
        if (!sRoot.isEmpty() && m_base.ChooseFromRoot(sRoot))
            break;
    return QJsonObject{{QStringLiteral("capabilities"), Capabilities()},
                       {QStringLiteral("serverInfo"), QJsonObject{{QStringLiteral("name"), QStringLiteral("orvia-lsp")},
                                                                  {QStringLiteral("version"), QStringLiteral(ORVIA_VERSION)}}}};
}

LspServer::Result LspServer::AtPosition(const QJsonObject &params, const std::function<QJsonValue(const Features::Place &)> &answer,
                                        const QJsonValue &outside)
{
    const QJsonObject position = params.value(QStringLiteral("position")).toObject();
    const std::optional<int> nLine = Count(position.value(QStringLiteral("line")));
    const std::optional<int> nCharacter = Count(position.value(QStringLiteral("character")));
    const QJsonValue uri = params.value(QStringLiteral("textDocument")).toObject().value(QStringLiteral("uri"));
    if (!uri.isString() || !nLine || !nCharacter)
        return Error{kInvalidParams, QStringLiteral("a textDocument with a uri and a position are needed")};
    const QString sName = m_base.NameOfUri(uri.toString());
    if (sName.isEmpty())
        return outside;
    if (m_bStale)
        CheckNow();
    const KnowledgeFile *file = m_base.File(sName);
    if (!file || !file->Readable() || *nLine >= file->lines.size() + 1)
        return outside;
    return answer(Features::Place{file, sName, *nLine, *nCharacter});
}

LspServer::Result LspServer::ExecuteCommand(const QJsonObject &params)
{
    const QJsonArray arguments = params.value(QStringLiteral("arguments")).toArray();
    if (params.value(QStringLiteral("command")).toString() != Features::kTryCommand)
        return Error{kInvalidParams, QStringLiteral("unknown command %1").arg(params.value(QStringLiteral("command")).toString())};
    if (!arguments.at(0).isString())
        return Error{kInvalidParams, QStringLiteral("%1 takes a sentence").arg(Features::kTryCommand)};
    if (!m_base.Chosen() && arguments.size() > 1)
        m_base.ChooseFromDocument(QUrl(arguments[1].toString()).toLocalFile());
    if (!m_base.Chosen())
        return Error{kRequestFailed, QStringLiteral("no knowledge base is open")};
    const TriedSentence tried = TrySentence(m_base.DataDir(), m_base.OpenTexts(), arguments.at(0).toString());
    if (!tried.sError.isEmpty())
        return Error{kRequestFailed, tried.sError};
    return QJsonObject{{QStringLiteral("reply"), tried.sReply}, {QStringLiteral("trace"), QJsonArray::fromStringList(tried.trace)}};
}

void LspServer::Notification(const QString &sMethod, const QJsonObject &params)
{
    if (sMethod == QLatin1String("exit")) {
        m_bFinished = true;
        emit Finished(m_bShutdown ? 0 : 1);
        return;
    }
    if (!m_bInitialized)
        return;
    if (sMethod == QLatin1String("textDocument/didOpen"))
        return Opened(params);
    if (sMethod == QLatin1String("textDocument/didChange"))
        return Changed(params);
    const QString sName = m_base.NameOfUri(UriIn(params));
    if (sMethod == QLatin1String("textDocument/didClose") && !sName.isEmpty()) {
        m_base.Close(sName);
        m_versions.remove(sName);
        Touch(sName);
    } else if (sMethod == QLatin1String("textDocument/didSave") || sMethod == QLatin1String("workspace/didChangeWatchedFiles")) {
        // The files not open may have changed on disk.
        Touch(sName);
    }
}

void LspServer::Opened(const QJsonObject &params)
{
    const QJsonObject document = params.value(QStringLiteral("textDocument")).toObject();
    const QUrl url(document.value(QStringLiteral("uri")).toString());
    if (!m_base.Chosen() && url.isLocalFile())
        m_base.ChooseFromDocument(url.toLocalFile());
    const QString sName = m_base.NameOfUri(url.toString());
    if (sName.isEmpty() || !document.value(QStringLiteral("text")).isString())
        return;
    m_base.SetText(sName, document.value(QStringLiteral("text")).toString());
    m_versions.insert(sName, document.value(QStringLiteral("version")).toInt());
    m_touched.insert(sName);
    CheckNow();
}

void LspServer::Changed(const QJsonObject &params)
{
    const QString sName = m_base.NameOfUri(UriIn(params));
    if (sName.isEmpty() || !m_base.OpenTexts().contains(sName))
        return;
    // Whole texts only, as the server asked for.
    for (const QJsonValue &change : params.value(QStringLiteral("contentChanges")).toArray())
        if (const QJsonObject c = change.toObject(); c.value(QStringLiteral("text")).isString() && !c.contains(QStringLiteral("range")))
            m_base.SetText(sName, c.value(QStringLiteral("text")).toString());
    m_versions.insert(sName, params.value(QStringLiteral("textDocument")).toObject().value(QStringLiteral("version")).toInt());
    Touch(sName);
}

void LspServer::Touch(const QString &sName)
{
    if (!sName.isEmpty())
        m_touched.insert(sName);
    m_bStale = true;
    m_recheck.start();
}

void LspServer::CheckNow()
{
    m_recheck.stop();
    if (!m_base.Chosen())
        return;
    m_bStale = false;
    QHash<QString, QJsonArray> diagnostics;
    if (m_base.Check()) {
        diagnostics = Features::Diagnostics(m_base);
    } else {
        // Without the main index nothing can be checked: every open file says why.
        const QJsonObject why{{QStringLiteral("range"), Features::Range(0, 0, 0)}, {QStringLiteral("severity"), 1},
                              {QStringLiteral("source"), QStringLiteral("orvia-check")},
                              {QStringLiteral("message"), m_base.Checker().IndexError()}};
        for (auto it = m_base.OpenTexts().cbegin(); it != m_base.OpenTexts().cend(); ++it)
            diagnostics[it.key()] << why;
    }
    // The files just edited first: the editor waits for those.
    QStringList names(m_touched.cbegin(), m_touched.cend());
    for (auto it = diagnostics.cbegin(); it != diagnostics.cend(); ++it)
        names << it.key();
    for (auto it = m_published.cbegin(); it != m_published.cend(); ++it)
        names << it.key();
    names.removeDuplicates();
    for (const QString &sName : std::as_const(names)) {
        const QJsonArray now = diagnostics.value(sName);
        const size_t fingerprint = qHash(QJsonDocument(now).toJson(QJsonDocument::Compact));
        if (m_touched.contains(sName) || m_published.value(sName) != fingerprint)
            Publish(sName, now);
        if (now.isEmpty())
            m_published.remove(sName);
        else
            m_published.insert(sName, fingerprint);
    }
    m_touched.clear();
}

void LspServer::Publish(const QString &sName, const QJsonArray &diagnostics)
{
    QJsonObject params{{QStringLiteral("uri"), m_base.UriOf(sName)}, {QStringLiteral("diagnostics"), diagnostics}};
    if (m_versions.contains(sName))
        params.insert(QStringLiteral("version"), m_versions.value(sName));
    Send({{QStringLiteral("method"), QStringLiteral("textDocument/publishDiagnostics")}, {QStringLiteral("params"), params}});
}
