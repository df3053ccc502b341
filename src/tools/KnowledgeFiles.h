#pragma once

#include "common/TextFile.h"
#include "engine/ResponseFile.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

// Every block of one code in a response file, gathered as the selection
// gathers them (statements and questions), with where its parts stand.
struct CodeBlock {
    QString sCode;          // as its header writes it, trailing blanks removed
    GatheredBlock gathered;
    int nHeaderLine = 0;    // the first header of the code
    int nSecondHeaderLine = 0;  // a later header of the same code, 0 if none
    int nFollowUpLine = 0;  // the follow-up setting in effect, 0 if none
    int nEmptyEntryLine = 0;  // the first entry that leaves no answer text, 0 if none
};

// One knowledge file as a walk read it: bytes read once, decoded, split.
struct KnowledgeFile {
    QString sName;   // the name that first led to it, relative to data/
    QString sPath;   // the file opened; empty when the name was refused
    bool bExists = false;
    QString sError;  // why it could not be read; empty when it was
    QString sText;
    QList<QStringView> lines;  // views into sText
    bool bUtf8 = true;
    int nUndefinedByteLine = 0;  // not UTF-8: first line with a byte Windows-1252 leaves undefined
    int nUndefinedByte = 0;
    int nNotUtf8Line = 0;    // not UTF-8: the first line that is not
    int nNotUtf8Lines = 0;   // how many lines are not
    int nUtf8Lines = 0;      // and how many others are, beyond ASCII: most of them means a stray line
    int nDecomposedLine = 0;  // the first line with a letter and its accent apart (not NFC), 0 if none
    std::optional<TextFile::Utf16Form> utf16;  // how it is written, when in UTF-16
    int nNulLine = 0;   // the first line holding a NUL, 0 if none
    int nNulLines = 0;  // how many lines hold one
    enum LineEnd { NoEnd, CrLf, Lf, Cr };
    LineEnd firstLineEnd = NoEnd;  // how line 1 ends
    int nMixedEndLine = 0;         // the first line ended otherwise, 0 if none
    LineEnd mixedLineEnd = NoEnd;  // and how it ends

    bool Readable() const { return sError.isEmpty(); }
    // Its blocks, gathered in one pass at the first request; keys are trimmed codes.
    const CodeBlock *Block(QStringView sCode) const;
    const std::vector<CodeBlock> &Blocks() const;
    // A keyword index holds section lines; a response file holds none.
    bool HasSectionLine() const;

private:
    void GatherBlocks() const;
    mutable std::optional<std::vector<CodeBlock>> m_blocks;
    mutable QHash<QStringView, int> m_blockOf;  // views into sText
    mutable std::optional<bool> m_hasSectionLine;
};

// Texts that stand in for files on disk, by the path a name resolves to: an
// editor's unsaved buffers, checked as they are.
using TextOverlay = QHash<QString, QString>;

// The files of one walk. Each file is read at its first request and never
// again, so a walk sees the files as they were when it read them and costs
// one read of each file however often it is named.
class KnowledgeFiles {
public:
    explicit KnowledgeFiles(TextOverlay overlay = {}) : m_overlay(std::move(overlay)) {}
    // The file a name (relative to data/, as a knowledge file writes it) leads to.
    KnowledgeFile &File(const QString &sName);
    // Every file read so far, in the order of first request.
    QList<const KnowledgeFile *> Files() const;

private:
    TextOverlay m_overlay;
    std::vector<std::unique_ptr<KnowledgeFile>> m_files;
    QHash<QString, KnowledgeFile *> m_byName;
    QHash<QString, KnowledgeFile *> m_byPath;
};
