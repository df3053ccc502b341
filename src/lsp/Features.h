#pragma once

#include "lsp/Workspace.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// What the server answers about a knowledge base, in the protocol's shapes;
// positions count lines from 0 and UTF-16 code units within a line.
namespace Features {

struct Place {
    const KnowledgeFile *file = nullptr;
    QString sName;  // in data/
    int nLine = 0;  // from 0
    int nCharacter = 0;
};

QJsonObject Range(int nLine, qsizetype from, qsizetype to);

// The diagnostics of every file that has findings, by name in data/.
QHash<QString, QJsonArray> Diagnostics(const Workspace &base);

QJsonValue Definition(const Workspace &base, const Place &at);
QJsonArray References(const Workspace &base, const Place &at, bool includeDeclaration);
QJsonValue Hover(const Workspace &base, const Place &at);
QJsonArray Completion(const Workspace &base, const Place &at);
QJsonArray Symbols(const Workspace &base, const KnowledgeFile &file);
QJsonValue PrepareRename(const Workspace &base, const Place &at);
// The edit that renames the code under the cursor, or the reason it cannot.
QJsonValue Rename(const Workspace &base, const Place &at, const QString &sNewCode, QString *psError);
QJsonArray CodeActions(const Workspace &base, const Place &at);

inline constexpr QLatin1StringView kTryCommand{"orvia.trySentence"};

}  // namespace Features
