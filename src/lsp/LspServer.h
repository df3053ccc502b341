#pragma once

#include "lsp/Features.h"
#include "lsp/MessageStream.h"
#include "lsp/Workspace.h"

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <functional>
#include <optional>

// The language server: reads framed JSON-RPC messages, answers requests about
// the knowledge base and publishes the checker's findings as diagnostics. A
// malformed message is answered with the protocol's error and never ends it:
// only "exit" or the end of the input does.
class LspServer : public QObject {
    Q_OBJECT
public:
    using Writer = std::function<void(const QByteArray &)>;
    explicit LspServer(Writer write, QObject *parent = nullptr);

    void SetWordList(const QString &sPath) { m_base.SetWordList(sPath); }
    // How long the server waits after a change for the next before it checks again.
    void SetDebounce(int nMilliseconds) { m_recheck.setInterval(nMilliseconds); }

    void Receive(const QByteArray &bytes);
    void EndOfInput();
    bool Shutdown() const { return m_bShutdown; }

signals:
    // After "exit" or at the end of the input: 0 when a shutdown came first.
    void Finished(int nExitCode);

private:
    struct Error {
        int nCode;
        QString sMessage;
    };
    using Result = std::variant<QJsonValue, Error>;

    void Handle(const QByteArray &body);
    void Request(const QJsonValue &id, const QString &sMethod, const QJsonValue &params);
    void Notification(const QString &sMethod, const QJsonObject &params);
    Result Answer(const QString &sMethod, const QJsonObject &params);
    void Send(const QJsonObject &message);
    void SendError(const QJsonValue &id, int nCode, const QString &sMessage);

    Result Initialize(const QJsonObject &params);
    Result AtPosition(const QJsonObject &params, const std::function<QJsonValue(const Features::Place &)> &answer,
                      const QJsonValue &outside);
    Result ExecuteCommand(const QJsonObject &params);
    void Opened(const QJsonObject &params);
    void Changed(const QJsonObject &params);

    void Touch(const QString &sName);
    void CheckNow();
    void Publish(const QString &sName, const QJsonArray &diagnostics);

    Writer m_write;
    MessageReader m_reader;
    Workspace m_base;
    QTimer m_recheck;
    bool m_bInitialized = false;
    bool m_bShutdown = false;
    bool m_bFinished = false;
    bool m_bStale = true;  // the check does not reflect the texts
    QSet<QString> m_touched;  // changed since the last check: published even when alike
    // A fingerprint of what each file was last given, empty lists left out: the
    // lists themselves would hold as much again as the check.
    QHash<QString, size_t> m_published;
    QHash<QString, int> m_versions;
};
