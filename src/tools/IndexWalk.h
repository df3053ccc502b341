#pragma once

#include "engine/KeywordIndex.h"
#include "tools/KnowledgeFiles.h"

#include <QString>

// Whether the block a keyword line names can answer, judged on every entry of
// the block, so the verdict never depends on which entry a draw would pick.
struct AnswerCheck {
    enum Fault {
        None,
        NoFileNamed,     // the line stands above every section line
        FileMissing,     // its section's file does not exist (reported at the section line)
        FileUnreadable,  // refused or unreadable: file->sError says why
        NoBlock,         // no header line for the code
        NoEntries,       // a block without "#" or "$" entries
        ShortAttribute,  // an attribute line too short: every selection fails
        EmptyEntry,      // an entry that leaves no text, a lone "#" among them
    };
    Fault fault = None;
    KnowledgeFile *file = nullptr;     // the response file, once one is named
    const CodeBlock *block = nullptr;  // the code's block, when it has one
    int nFaultLine = 0;                // ShortAttribute, EmptyEntry: its line in the response file

    bool Usable() const { return fault == None; }
    // What went wrong, in a sentence; empty for None and for the faults a
    // report states elsewhere (FileMissing, NoBlock, NoEntries).
    QString Detail() const;
};

AnswerCheck CheckAnswer(KnowledgeFiles &files, const QString &sFile, QStringView sCode);

// One line of a keyword index as the walk met it.
struct WalkLine {
    int nLine = 0;  // from 1
    QStringView sText;
    IndexLine index;
    QString sPhrase;   // Keyword: lower-cased, as the search compares it
    QString sSection;  // the response file the line belongs to; Section: the one it names
    KnowledgeFile *sectionFile = nullptr;  // Section: the file it names
    AnswerCheck answer;                    // Keyword
};

// The validator's walk over one keyword index: each line classified as the
// search classifies it, each section's file and each keyword line's answer
// checked. The window and the command-line checker both drive it.
class IndexWalk {
public:
    IndexWalk(KnowledgeFiles &files, const QString &sIndexName);

    KnowledgeFile &Index() const { return m_index; }
    // Moves to the next line; false at the end (at once when the index cannot be read).
    bool Next();
    const WalkLine &Line() const { return m_line; }

private:
    KnowledgeFiles &m_files;
    KnowledgeFile &m_index;
    QString m_sSection;
    qsizetype m_next = 0;
    WalkLine m_line;
};
