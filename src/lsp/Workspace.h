#pragma once

#include "tools/KnowledgeCheck.h"
#include "tools/KnowledgeFiles.h"

#include <QHash>
#include <QList>
#include <QString>

#include <map>
#include <memory>
#include <utility>

// A keyword line as the index reads it: the block it names in its section's file.
struct KeywordLine {
    const KnowledgeFile *index = nullptr;
    int nLine = 0;  // from 1
    QString sCode;  // trailing blanks removed
    const KnowledgeFile *response = nullptr;  // null above every section line
};

// A line that names a file: a section line or a block's follow-up setting.
struct NameLine {
    const KnowledgeFile *file = nullptr;
    int nLine = 0;
    qsizetype from = 0, to = 0;  // the name within the line
    QString sName;
    const KnowledgeFile *target = nullptr;  // null when nothing was read under that name
};

// One knowledge base as the editor holds it: the data folder (one per server),
// the texts of the open documents, and the last check run over both with the
// disk's text of every other file, with the lines that join the files.
class Workspace {
public:
    // The data folder, chosen once: from a workspace folder (its data/ when it
    // has one) or from the first document opened (the folder holding it).
    bool ChooseFromRoot(const QString &sFolder);
    void ChooseFromDocument(const QString &sPath);
    bool Chosen() const { return !m_sDataDir.isEmpty(); }
    QString DataDir() const { return m_sDataDir; }
    void SetWordList(const QString &sPath) { m_sWordList = sPath; }

    // The name of a file inside data/ ("pets.txt", "sub/x.txt"), empty when the uri is outside.
    QString NameOfUri(const QString &sUri) const;
    QString UriOf(const QString &sName) const;

    void SetText(const QString &sName, const QString &sText) { m_open.insert(sName, sText); }
    void Close(const QString &sName) { m_open.remove(sName); }
    const QHash<QString, QString> &OpenTexts() const { return m_open; }

    // Checks the base again; false when keywords.txt cannot be read.
    bool Check();
    const KnowledgeCheck &Checker() const { return *m_check; }
    bool Checked() const { return m_check != nullptr; }

    // What the last check read under a name or at a path; null when it did not.
    const KnowledgeFile *File(const QString &sName) const;
    QString NameOf(const KnowledgeFile &file) const;
    const QList<KeywordLine> &KeywordLines() const { return m_keywordLines; }
    const QList<NameLine> &NameLines() const { return m_nameLines; }
    // The keyword lines that reach a block, in the order of the walk's files.
    QList<const KeywordLine *> Reaching(const KnowledgeFile *response, const QString &sCode) const;
    const KeywordLine *KeywordAt(const KnowledgeFile *index, int nLine) const;
    const NameLine *NameAt(const KnowledgeFile *file, int nLine) const;
    QList<Finding> FindingsOf(const QString &sName, int nLine) const;

private:
    void Join();
    QString PathOf(const QString &sName) const;

    QString m_sDataDir;
    QString m_sWordList = KnowledgeCheck::kSystemWordList;
    QHash<QString, QString> m_open;  // by name in data/
    std::unique_ptr<KnowledgeCheck> m_check;
    QHash<QString, const KnowledgeFile *> m_byPath;
    QList<KeywordLine> m_keywordLines;
    QList<NameLine> m_nameLines;
    QHash<std::pair<const KnowledgeFile *, int>, qsizetype> m_keywordAt, m_nameAt;
    std::map<std::pair<const KnowledgeFile *, QString>, QList<qsizetype>> m_reaching;
};
