#pragma once

#include "engine/BaseSettings.h"
#include "engine/Substitutions.h"
#include "tools/KnowledgeFiles.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

struct Finding {
    enum Severity { Error, Warning };
    QString sFile;  // relative to data/
    int nLine = 0;  // from 1; 0 when it concerns the file as a whole
    Severity severity = Error;
    QString sMessage;
};

struct AnswerCheck;
struct WalkLine;

// Every fault of the knowledge base in data/: walks keywords.txt, preset1.txt,
// every follow-up index an answer names and every response file they name,
// on IndexWalk like the validator window, and adds what the window does not
// look for, the reflection table's lines among it. Errors are answers that fail or never come; warnings, answers that
// come but not as the botmaster meant.
class KnowledgeCheck {
public:
    // The word list a phrase is looked for inside of, beside the base's own
    // words; a list that cannot be read leaves the base's words alone.
    static const QString kSystemWordList;
    void SetWordList(const QString &sPath) { m_sWordList = sPath; }
    // Texts read instead of the files on disk, from the next Run on.
    void SetOverlay(TextOverlay overlay) { m_overlay = std::move(overlay); }

    // False when keywords.txt cannot be read; IndexError() says why.
    bool Run();
    QString IndexError() const { return m_sIndexError; }

    // In the order the files were first read, then by line.
    const QList<Finding> &Findings() const { return m_findings; }
    int Count(Finding::Severity severity) const;
    int KeywordLines() const { return m_nKeywordLines; }
    int FilesRead() const;

    // A block that an index line or the program itself answers from; sIndex is
    // empty for the program's own preset blocks.
    struct UsedBlock {
        QString sIndex;
        const KnowledgeFile *file = nullptr;
        const CodeBlock *block = nullptr;
    };
    const QList<UsedBlock> &UsedBlocks() const { return m_usedBlocks; }
    const KnowledgeFiles &Files() const { return *m_files; }

private:
    void WalkIndex(const QString &sIndex);
    void CheckKeywordLine(const KnowledgeFile &index, const WalkLine &line);
    void CheckCode(const KnowledgeFile &index, const WalkLine &line);
    void CheckEchoSlots(const KnowledgeFile &index, const WalkLine &line, const KnowledgeFile &file, const CodeBlock &block);
    void CheckEmptyEchoes(const KnowledgeFile &index, const WalkLine &line, const KnowledgeFile &file, const CodeBlock &block);
    void CheckPresetEchoes(const QString &sRole, const AnswerCheck &answer, bool keywordMeant);
    void CheckInsideWords();
    void CheckShadows(const KnowledgeFile &index, const QList<int> &lines, const QStringList &phrases);
    void UseBlock(const QString &sIndex, const AnswerCheck &answer);
    void CheckEntry(const KnowledgeFile &file, const CodeBlock &block, int nLine);
    void CheckFollowUp(const KnowledgeFile &file, const CodeBlock &block);
    void CheckPresets();
    void CheckUnusedBlocks();
    void CheckBlockLayout();
    // A table of data/ (reflections, substitutions): each line its parser skips is a warning.
    void CheckTable(const QString &sName, const QString &sTable, const std::function<void(QStringView, QStringList *)> &parse);
    void CheckUnreachedFiles();
    void CheckEncodings();
    void AddResponseFile(const KnowledgeFile *file);
    void Add(const KnowledgeFile &file, int nLine, Finding::Severity severity, const QString &sMessage);

    TextOverlay m_overlay;
    std::unique_ptr<KnowledgeFiles> m_files;
    QString m_sIndexError;
    QList<Finding> m_findings;
    QList<const KnowledgeFile *> m_findingFiles;  // beside m_findings, for the ordering
    QList<UsedBlock> m_usedBlocks;
    QSet<const CodeBlock *> m_used;
    QList<const KnowledgeFile *> m_responseFiles;  // whose unused blocks are reported
    QSet<const KnowledgeFile *> m_isResponseFile;
    QStringList m_queue;  // indexes to walk
    QSet<const KnowledgeFile *> m_queued;
    int m_nKeywordLines = 0;
    SubstitutionTable m_substitutions;
    BaseSettings m_settings;
    QSet<std::pair<const KnowledgeFile *, int>> m_echoSlotsReported;
    QSet<std::pair<const KnowledgeFile *, int>> m_emptyEchoesReported;
    struct PhraseLine {
        const KnowledgeFile *index;
        int nLine;
        QString sPhrase;
    };
    QList<PhraseLine> m_phraseLines;  // every keyword line walked, for the word-list check
    QString m_sWordList = kSystemWordList;
    // A file that exists but cannot be read may name others: those are not called unnamed.
    bool m_bUnreadResponseFile = false;
    bool m_bUnreadIndex = false;
};
