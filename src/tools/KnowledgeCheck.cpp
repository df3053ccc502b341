#include "tools/KnowledgeCheck.h"

#include "common/DataFolder.h"
#include "common/KnowledgeLayout.h"
#include "common/TextFile.h"
#include "engine/BaseSettings.h"
#include "engine/Reflection.h"
#include "engine/Substitutions.h"
#include "engine/TextFold.h"
#include "engine/Blanks.h"
#include "engine/WordList.h"
#include "tools/IndexWalk.h"
#include "tools/PhraseShadows.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <tuple>

namespace {

using KnowledgeLayout::kMainIndex;
using KnowledgeLayout::kNameIndex;

QString Quoted(QStringView s)
{
    return QLatin1Char('"') + TextFile::WithVisibleNul(s) + QLatin1Char('"');
}

QString FileName(const KnowledgeFile &file)
{
    return file.sPath.isEmpty() ? file.sName : QDir(DataFolder::DataDir()).relativeFilePath(file.sPath);
}

// Why a block cannot answer, for the line that names it.
QString Reason(const AnswerCheck &answer, QStringView sCode)
{
    const QString sFile = answer.file ? Quoted(answer.file->sName) : QString();
    const QString sHeader = Quoted(QLatin1Char('*') + sCode.trimmed().toString());
    switch (answer.fault) {
    case AnswerCheck::NoFileNamed:
        return QStringLiteral("no response file is named above it; add a \"[file.txt]\" section line above it");
    case AnswerCheck::FileMissing:
        return QStringLiteral("its response file %1 does not exist").arg(sFile);
    case AnswerCheck::FileUnreadable:
        return QStringLiteral("its response file %1 cannot be read (%2)").arg(sFile, answer.file->sError);
    case AnswerCheck::NoBlock:
        return QStringLiteral("%1 has no block %2; add the block or correct the code").arg(sFile, sHeader);
    case AnswerCheck::NoEntries:
        return QStringLiteral("block %1 of %2 (line %3) has no \"#\" or \"$\" entry").arg(sHeader, sFile).arg(answer.block->nHeaderLine);
    case AnswerCheck::ShortAttribute:
        return QStringLiteral("block %1 of %2 has an attribute line shorter than nine characters (line %3)")
            .arg(sHeader, sFile)
            .arg(answer.nFaultLine);
    case AnswerCheck::EmptyEntry:
        return QStringLiteral("an entry of block %1 of %2 leaves no text (line %3), and fails whenever it is picked")
            .arg(sHeader, sFile)
            .arg(answer.nFaultLine);
    case AnswerCheck::None:
        break;
    }
    return QString();
}

bool IsKnownTag(QStringView sTag)
{
    for (const QLatin1StringView known : KnowledgeLayout::kTags)
        if (sTag.compare(known, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString LineEndName(KnowledgeFile::LineEnd end)
{
    switch (end) {
    case KnowledgeFile::CrLf: return QStringLiteral("CR LF");
    case KnowledgeFile::Lf: return QStringLiteral("LF");
    case KnowledgeFile::Cr: return QStringLiteral("CR");
    case KnowledgeFile::NoEnd: break;
    }
    return QString();
}

// Words after which an echo must be a noun phrase ("about [following]"), and
// words after which the rest of a sentence is one ("worry about").
const QStringList kNounSlot{QStringLiteral("about"), QStringLiteral("your"), QStringLiteral("my"), QStringLiteral("the"),
                            QStringLiteral("a"), QStringLiteral("an"), QStringLiteral("of"), QStringLiteral("with"),
                            QStringLiteral("for"), QStringLiteral("his"), QStringLiteral("her"), QStringLiteral("their"),
                            QStringLiteral("our"), QStringLiteral("its"), QStringLiteral("some"), QStringLiteral("any"),
                            QStringLiteral("in"), QStringLiteral("on"), QStringLiteral("at"), QStringLiteral("from"),
                            QStringLiteral("into")};

// The noun-taking word an echo tag follows in an entry ("about" in "how do
// you feel about [following]?"), or an empty string.
QString NounSlotBeforeEcho(QStringView sEntry)
{
    static const QRegularExpression kSlot(QStringLiteral("\\b(") + kNounSlot.join(u'|') + QStringLiteral(")\\s+\\[(following|next)\\]"),
                                          QRegularExpression::CaseInsensitiveOption);
    return kSlot.match(sEntry).captured(1).toLower();
}

bool EndsInNounSlot(QStringView sPhrase)
{
    const QStringView s = TrimBlanks(sPhrase);
    const qsizetype nBlank = s.lastIndexOf(u' ');
    return kNounSlot.contains(s.sliced(nBlank + 1).toString());
}

bool HoldsBlanksOnly(QStringView s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c == u' '; });
}

// What to do about a section line whose file is not there.
QString SectionHint(QStringView sName)
{
    if (sName.endsWith(u']'))
        return QStringLiteral("the line goes on after \"]\", and the last character of a section line is dropped whatever it is; "
                              "end the line at \"]\"");
    if (const QStringView sTrimmed = TrimBlanks(sName); sTrimmed != sName)
        return QStringLiteral("the name %1 in a blank; write \"[%2]\"").arg(sName.front() == u' ' ? u"begins" : u"ends", sTrimmed);
    return QStringLiteral("create it in the data folder or correct the name");
}

// "[following]" or "[next]" with a word after it: "about [following] that".
const QRegularExpression &EchoBeforeWord()
{
    static const QRegularExpression kTag(QStringLiteral("\\[(following|next)\\] +\\w"), QRegularExpression::CaseInsensitiveOption);
    return kTag;
}

// The entry as it reads when its echoes are empty: an empty echo takes the blank before it.
QString WithEmptyEchoes(QString sEntry)
{
    static const QRegularExpression kTag(QStringLiteral(" ?\\[(following|next)\\]"), QRegularExpression::CaseInsensitiveOption);
    return sEntry.remove(kTag);
}

qsizetype LeadingBlanks(QStringView s)
{
    qsizetype n = 0;
    while (n < s.size() && s[n] == u' ')
        ++n;
    return n;
}

// The text of an entry line, after "# " or "$".
QStringView EntryText(QStringView sLine)
{
    return sLine.sliced(std::min<qsizetype>(sLine.front() == u'#' ? 2 : 1, sLine.size()));
}

// A line such as "006 farkle" as it was likely meant: the code padded to four digits.
QString MeantKeywordLine(QStringView sLine)
{
    sLine = sLine.sliced(LeadingBlanks(sLine));
    const qsizetype nBlank = sLine.indexOf(u' ');
    QString sCode = sLine.first(nBlank < 0 ? sLine.size() : nBlank).toString();
    const bool digits = std::all_of(sCode.cbegin(), sCode.cend(), [](QChar c) { return c.isDigit(); });
    if (sCode.isEmpty() || sCode.size() > 4 || !digits || nBlank < 0)
        return QString();
    return sCode.rightJustified(4, u'0') + sLine.sliced(nBlank).toString();
}

// The words of a file, lower-cased: runs of letters. A word is copied once,
// however often it stands in the file.
void AddWords(QStringView sText, QSet<QString> &words)
{
    QSet<QStringView> seen;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= sText.size(); ++i) {
        const bool letter = i < sText.size() && sText[i].isLetter();
        if (letter && start < 0) {
            start = i;
        } else if (!letter && start >= 0) {
            const QStringView sWord = sText.sliced(start, i - start);
            if (!seen.contains(sWord)) {
                seen.insert(sWord);
                words.insert(sWord.toString().toLower());
            }
            start = -1;
        }
    }
}

// A comment right above a line that says a warning about it is meant: "/ shadow:
// meant", then any reason. A comment that merely holds the word ("/ Shadows over
// Camelot") silences nothing.
const QString kShadowMarker = QStringLiteral("shadow: meant");
const QString kInsideWordsMarker = QStringLiteral("inside words: meant");

bool MarkedMeant(const KnowledgeFile &index, int nLine, const QString &sMarker)
{
    const QStringView above = nLine >= 2 ? index.lines[nLine - 2] : QStringView();
    return above.startsWith(u'/') && TrimBlanks(above.sliced(1)).startsWith(sMarker, Qt::CaseInsensitive);
}

// So many words, they hide a phrase often enough to be worth an edge.
constexpr int kManyWords = 10;

}  // namespace

const QString KnowledgeCheck::kSystemWordList = WordList::kSystemPath;

void KnowledgeCheck::Add(const KnowledgeFile &file, int nLine, Finding::Severity severity, const QString &sMessage)
{
    m_findings.append(Finding{FileName(file), nLine, severity, sMessage});
    m_findingFiles.append(&file);
}

void KnowledgeCheck::AddResponseFile(const KnowledgeFile *file)
{
    if (!m_isResponseFile.contains(file)) {
        m_isResponseFile.insert(file);
        m_responseFiles << file;
    }
}

int KnowledgeCheck::Count(Finding::Severity severity) const
{
    return int(std::count_if(m_findings.cbegin(), m_findings.cend(), [&](const Finding &f) { return f.severity == severity; }));
}

int KnowledgeCheck::FilesRead() const
{
    const QList<const KnowledgeFile *> files = m_files->Files();
    return int(std::count_if(files.cbegin(), files.cend(), [](const KnowledgeFile *f) { return f->Readable(); }));
}

bool KnowledgeCheck::Run()
{
    m_files = std::make_unique<KnowledgeFiles>(m_overlay);
    m_sIndexError.clear();
    m_findings.clear();
    m_findingFiles.clear();
    m_usedBlocks.clear();
    m_used.clear();
    m_responseFiles.clear();
    m_isResponseFile.clear();
    m_queued.clear();
    m_nKeywordLines = 0;
    m_echoSlotsReported.clear();
    m_emptyEchoesReported.clear();
    m_phraseLines.clear();
    m_bUnreadResponseFile = m_bUnreadIndex = false;
    const KnowledgeFile &substitutions = m_files->File(KnowledgeLayout::kSubstitutions);
    m_substitutions = substitutions.Readable() ? Substitutions::Parse(substitutions.sText) : SubstitutionTable();
    const KnowledgeFile &settings = m_files->File(KnowledgeLayout::kSettings);
    m_settings = settings.Readable() ? Settings::Parse(settings.sText) : BaseSettings();

    const KnowledgeFile &main = m_files->File(kMainIndex);
    if (!main.Readable()) {
        m_sIndexError = main.bExists ? QStringLiteral("%1 cannot be read: %2").arg(kMainIndex, main.sError)
                                     : QStringLiteral("no %1 in %2").arg(kMainIndex, QDir::toNativeSeparators(DataFolder::DataDir()));
        return false;
    }
    m_queue = {kMainIndex, kNameIndex};
    m_queued = {&main, &m_files->File(kNameIndex)};
    CheckPresets();
    for (qsizetype i = 0; i < m_queue.size(); ++i)  // the walks add the follow-up indexes they meet
        WalkIndex(m_queue[i]);
    CheckUnusedBlocks();
    CheckBlockLayout();
    CheckInsideWords();
    CheckTable(KnowledgeLayout::kReflections, QStringLiteral("reflection"), [](QStringView s, QStringList *p) { Reflection::Parse(s, p); });
    CheckTable(KnowledgeLayout::kSubstitutions, QStringLiteral("substitution"), [](QStringView s, QStringList *p) { Substitutions::Parse(s, p); });
    CheckTable(KnowledgeLayout::kSettings, QStringLiteral("settings"), [](QStringView s, QStringList *p) { Settings::Parse(s, p); });
    CheckUnreachedFiles();
    CheckEncodings();

    // File by file in the order first read, then by line.
    QHash<const KnowledgeFile *, int> fileOrder;
    for (const KnowledgeFile *file : m_files->Files())
        fileOrder.insert(file, int(fileOrder.size()));
    QList<qsizetype> order(m_findings.size());
    for (qsizetype i = 0; i < order.size(); ++i)
        order[i] = i;
    auto key = [&](qsizetype i) { return std::pair(fileOrder.value(m_findingFiles[i]), m_findings[i].nLine); };
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return key(a) < key(b); });
    QList<Finding> sorted;
    for (const qsizetype i : std::as_const(order))
        sorted << m_findings[i];
    m_findings = sorted;
    return true;
}

void KnowledgeCheck::WalkIndex(const QString &sIndex)
{
    IndexWalk walk(*m_files, sIndex);
    const KnowledgeFile &index = walk.Index();
    if (!index.Readable()) {
        // A follow-up index that cannot be read was reported where it is named.
        if (sIndex == kNameIndex)
            Add(index, 0, Finding::Error,
                QStringLiteral("the answer to the name question is searched here, and the search fails without it: %1").arg(index.sError));
        return;
    }
    const QString sStops = QStringLiteral(
        "every search that reaches it fails with an error message and finds nothing, so no line below it ever answers");
    QList<int> phraseLines;
    QStringList phrases;
    while (walk.Next()) {
        const WalkLine &line = walk.Line();
        switch (line.index.kind) {
        case IndexLine::Section:
            if (line.sectionFile->Readable()) {
                AddResponseFile(line.sectionFile);
            } else if (line.sectionFile->bExists || line.sectionFile->sPath.isEmpty()) {
                m_bUnreadResponseFile = true;
                Add(index, line.nLine, Finding::Error,
                    QStringLiteral("response file %1 cannot be read: %2; no keyword line below it answers")
                        .arg(Quoted(line.sSection), line.sectionFile->sError));
            } else {
                Add(index, line.nLine, Finding::Error,
                    QStringLiteral("response file %1 not found: no keyword line below it answers; %2").arg(Quoted(line.sSection), SectionHint(line.sSection)));
            }
            break;
        case IndexLine::Malformed:
            Add(index, line.nLine, Finding::Error,
                line.sText.front() == u'['
                    ? QStringLiteral("section line \"[\" names no file: %1; write \"[file.txt]\"").arg(sStops)
                    : QStringLiteral("keyword line %1 is shorter than five characters: %2; write a four-character code, one blank, "
                                     "then the phrase")
                          .arg(Quoted(line.sText), sStops));
            break;
        case IndexLine::Keyword:
            ++m_nKeywordLines;
            CheckKeywordLine(index, line);
            phraseLines << line.nLine;
            phrases << line.sPhrase;
            m_phraseLines.append(PhraseLine{&index, line.nLine, line.sPhrase});
            break;
        default:
            break;
        }
    }
    CheckShadows(index, phraseLines, phrases);
}

void KnowledgeCheck::CheckKeywordLine(const KnowledgeFile &index, const WalkLine &line)
{
    const AnswerCheck &answer = line.answer;
    if (answer.file && answer.file->Readable())
        AddResponseFile(answer.file);
    CheckCode(index, line);
    if (line.sPhrase.isEmpty())
        Add(index, line.nLine, Finding::Error,
            QStringLiteral("keyword line has an empty phrase: it matches every sentence, yet a match without a phrase counts as "
                           "none, so its block never answers; write a phrase after the code and one blank"));
    // A file that is missing or unreadable was reported once, at its section line.
    if (!answer.Usable() && answer.fault != AnswerCheck::FileMissing && answer.fault != AnswerCheck::FileUnreadable)
        Add(index, line.nLine, Finding::Error,
            QStringLiteral("%1 cannot answer: %2").arg(Quoted(line.sPhrase), Reason(answer, line.index.sCode)));
    if (const QString sRead = Substitutions::Normalise(line.sPhrase, m_substitutions); sRead != line.sPhrase)
        Add(index, line.nLine, Finding::Warning,
            QStringLiteral("%1 never matches as written: sentences are read through substitutions.txt first, which makes it %2; "
                           "write the phrase as it is read")
                .arg(Quoted(line.sPhrase), Quoted(sRead)));
    UseBlock(index.sName, answer);
    if (answer.block && !EndsInNounSlot(line.sPhrase))
        CheckEchoSlots(index, line, *answer.file, *answer.block);
    if (answer.block)
        CheckEmptyEchoes(index, line, *answer.file, *answer.block);
}

void KnowledgeCheck::CheckCode(const KnowledgeFile &index, const WalkLine &line)
{
    if (!line.index.sCode.contains(u' ') && line.sText[4] == u' ') {
        if (const qsizetype nLead = LeadingBlanks(line.sPhrase); nLead >= 2 && nLead < line.sPhrase.size())
            Add(index, line.nLine, Finding::Warning,
                QStringLiteral("%1 blanks after the code: the second is a word edge (the phrase matches only at the start of a word), "
                               "and each one after it is a blank the sentence must hold there too, so the phrase seldom matches; write "
                               "two blanks after the code for a word edge, one for none")
                    .arg(nLead + 1));
        return;
    }
    const QString sMeant = MeantKeywordLine(line.sText);
    Add(index, line.nLine, Finding::Warning,
        QStringLiteral("the code is %1 and the phrase %2: a code is four characters, then one blank, then the phrase%3")
            .arg(Quoted(line.index.sCode), Quoted(line.sPhrase),
                 sMeant.isEmpty() ? QString() : QStringLiteral("; write %1").arg(Quoted(sMeant))));
}

void KnowledgeCheck::CheckEmptyEchoes(const KnowledgeFile &index, const WalkLine &line, const KnowledgeFile &file, const CodeBlock &block)
{
    for (const int nEntry : block.gathered.entryLines) {
        const QStringView sEntry = file.lines[nEntry - 1];
        if (!EchoBeforeWord().match(sEntry).hasMatch() || m_emptyEchoesReported.contains({&file, nEntry}))
            continue;
        m_emptyEchoesReported.insert({&file, nEntry});
        Add(file, nEntry, Finding::Warning,
            QStringLiteral("when nothing follows %1 (%2:%3) in the sentence, the echo is empty and this reads %4; put the tag at the "
                           "end of a sentence or before a punctuation mark")
                .arg(Quoted(line.sPhrase), FileName(index))
                .arg(line.nLine)
                .arg(Quoted(WithEmptyEchoes(EntryText(sEntry).toString()))));
    }
}

void KnowledgeCheck::CheckEchoSlots(const KnowledgeFile &index, const WalkLine &line, const KnowledgeFile &file, const CodeBlock &block)
{
    for (const int nEntry : block.gathered.entryLines) {
        const QString sSlot = NounSlotBeforeEcho(file.lines[nEntry - 1]);
        if (sSlot.isEmpty() || m_echoSlotsReported.contains({&file, nEntry}))
            continue;
        m_echoSlotsReported.insert({&file, nEntry});
        Add(file, nEntry, Finding::Warning,
            QStringLiteral("the echo after \"%1\" reads right only when the rest of the sentence is a noun, but behind %2 (%3:%4) "
                           "it may be any clause (\"... %1 keeps stalling\"); word the entry so that any rest fits, or echo nothing")
                .arg(sSlot, Quoted(line.sPhrase), FileName(index))
                .arg(line.nLine));
    }
}

void KnowledgeCheck::CheckShadows(const KnowledgeFile &index, const QList<int> &lines, const QStringList &phrases)
{
    auto meant = [&](int nLine) { return MarkedMeant(index, nLine, kShadowMarker); };
    // Compared folded, as the search compares them; a phrase of blanks is
    // reported once, not as the shadow of every line holding blanks.
    QStringList patterns;
    for (const QString &sPhrase : phrases)
        patterns << (HoldsBlanksOnly(sPhrase) ? QString() : TextFold::Folded(sPhrase, m_settings.foldAccents));
    const QList<int> shadows = FindShadowingPhrases(patterns);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (patterns[i].isEmpty() && !phrases[i].isEmpty() && i + 1 < lines.size())
            Add(index, lines[i], Finding::Warning,
                QStringLiteral("phrase of blanks only: it matches every sentence that holds %1 blank(s) in a row, and the keyword "
                               "lines below it (from line %2) answer only when it does not; write a phrase or remove the line")
                    .arg(phrases[i].size())
                    .arg(lines[i + 1]));
        if (shadows[i] >= 0 && !meant(lines[i]))
            Add(index, lines[i], Finding::Warning,
                QStringLiteral("%1 never answers: line %2 %3 matches every sentence that holds it (if this line is meant for the "
                               "second search after a repeat, write \"/ %4\" on the line above it)")
                    .arg(Quoted(phrases[i]))
                    .arg(lines[shadows[i]])
                    .arg(Quoted(phrases[shadows[i]]), kShadowMarker));
    }
}

void KnowledgeCheck::UseBlock(const QString &sIndex, const AnswerCheck &answer)
{
    const CodeBlock *block = answer.block;
    if (!block || m_used.contains(block))
        return;
    m_used.insert(block);
    m_usedBlocks.append(UsedBlock{sIndex, answer.file, block});
    const KnowledgeFile &file = *answer.file;
    if (const int nShort = block->gathered.nShortAttributeLine)
        Add(file, nShort, Finding::Error,
            QStringLiteral("attribute line %1 is shorter than nine characters: every answer of code %2 fails; write \"@\", an "
                           "eight-character label, then the value")
                .arg(Quoted(file.lines[nShort - 1]), block->sCode));
    for (const int nLine : block->gathered.entryLines)
        CheckEntry(file, *block, nLine);
    CheckFollowUp(file, *block);
}

void KnowledgeCheck::CheckEntry(const KnowledgeFile &file, const CodeBlock &block, int nLine)
{
    const QStringView sLine = file.lines[nLine - 1];
    const bool statement = sLine.front() == u'#';
    if (sLine == u"#")
        Add(file, nLine, Finding::Error,
            QStringLiteral("a lone \"#\": the answer of code %1 fails whenever it is picked; write the text after \"# \", or remove "
                           "the line")
                .arg(block.sCode));
    else if (block.nEmptyEntryLine && nLine >= block.nEmptyEntryLine
             && EntryFromLine(statement ? sLine.sliced(1).toString() : sLine.toString(), {}).sText.isEmpty())
        Add(file, nLine, Finding::Error,
            QStringLiteral("entry %1 leaves no text once its mark and any \"{\" part are cut: the answer of code %2 is empty "
                           "whenever it is picked")
                .arg(Quoted(sLine), block.sCode));
    else if (statement && sLine[1].isLetterOrNumber())
        Add(file, nLine, Finding::Warning,
            QStringLiteral("no blank after \"#\": the first character is dropped, so the answer begins %1; write \"# \" before "
                           "the text")
                .arg(Quoted(sLine.sliced(2).left(20))));
    else if (EntryText(sLine).startsWith(u' '))
        Add(file, nLine, Finding::Warning,
            statement ? QStringLiteral("the entry begins with a blank: \"#\" and the one character after it are the mark, so the answer "
                                       "begins with a blank; write one blank after \"#\"")
                      : QStringLiteral("the entry begins with a blank: the text of a question starts right after \"$\", so the answer "
                                       "begins with a blank; write the text right after \"$\""));

    // Tags, and brackets that open or close nothing.
    qsizetype open = -1;
    for (qsizetype i = 0; i < sLine.size(); ++i) {
        if (sLine[i] == u'[') {
            if (open >= 0)
                Add(file, nLine, Finding::Warning, QStringLiteral("unbalanced \"[\": no \"]\" closes it before the next \"[\""));
            open = i;
        } else if (sLine[i] == u']') {
            if (open < 0) {
                Add(file, nLine, Finding::Warning, QStringLiteral("unbalanced \"]\": no \"[\" opens it"));
                continue;
            }
            const QStringView sTag = sLine.sliced(open, i - open + 1);
            if (!IsKnownTag(sTag))
                Add(file, nLine, Finding::Warning,
                    QStringLiteral("unknown tag %1 is shown as written (a misspelling?); the tags are %2, %3, %4 and %5")
                        .arg(Quoted(sTag), KnowledgeLayout::kNameTag, KnowledgeLayout::kKeywordTag, KnowledgeLayout::kNextTag,
                             KnowledgeLayout::kFollowingTag));
            open = -1;
        }
    }
    if (open >= 0)
        Add(file, nLine, Finding::Warning, QStringLiteral("unbalanced \"[\": no \"]\" closes it"));
}

void KnowledgeCheck::CheckFollowUp(const KnowledgeFile &file, const CodeBlock &block)
{
    const QString sName = block.gathered.followUp.value_or(QString());
    if (sName.isEmpty())  // none, or "&" alone, which clears a pending follow-up
        return;
    const KnowledgeFile &target = m_files->File(sName);
    if (m_queued.contains(&target))
        return;
    if (!target.Readable()) {
        m_bUnreadIndex = m_bUnreadIndex || target.bExists || target.sPath.isEmpty();
        Add(file, block.nFollowUpLine, Finding::Error,
            target.bExists || target.sPath.isEmpty()
                ? QStringLiteral("follow-up index %1 cannot be read: %2").arg(Quoted(sName), target.sError)
                : QStringLiteral("follow-up index %1 not found: the sentence after this answer shows an error message; create "
                                 "it or correct the name")
                      .arg(Quoted(sName)));
    } else if (!target.HasSectionLine())
        Add(file, block.nFollowUpLine, Finding::Error,
            QStringLiteral("follow-up %1 is not a keyword index (it has no \"[file.txt]\" section line), so the sentence after "
                           "this answer cannot be answered from it")
                .arg(Quoted(sName)));
    else {
        m_queued.insert(&target);
        m_queue << sName;
    }
}

void KnowledgeCheck::CheckPresets()
{
    struct Preset {
        KnowledgeLayout::PresetAddress at;
        QString sRole;
    };
    const Preset presets[] = {
        {KnowledgeLayout::kGreeting, QStringLiteral("the greeting")},
        {KnowledgeLayout::kWelcome, QStringLiteral("the welcome once the name is given")},
        {KnowledgeLayout::kWatchWordAnswer, QStringLiteral("the answer to the watch word")},
        {KnowledgeLayout::kSeveralWordNameAnswer, QStringLiteral("the answer to a name of several words")},
        {KnowledgeLayout::kFallback, QStringLiteral("the answer when no keyword matches")},
    };
    for (const auto &[at, sRole] : presets) {
        const QString sCode = at.code;
        const AnswerCheck answer = CheckAnswer(*m_files, at.file, sCode);
        if (answer.file->Readable())
            AddResponseFile(answer.file);
        // Faults of a line of the block are reported at that line.
        if (!answer.Usable() && answer.fault != AnswerCheck::ShortAttribute && answer.fault != AnswerCheck::EmptyEntry)
            Add(*answer.file, answer.block ? answer.block->nHeaderLine : 0, Finding::Error,
                QStringLiteral("%1 (code %2) cannot come: %3").arg(sRole, sCode, Reason(answer, sCode)));
        UseBlock(QString(), answer);
        // The watch word's answer is given "<orvia> but" as its keyword, on purpose.
        CheckPresetEchoes(sRole, answer, at.code == KnowledgeLayout::kWatchWordAnswer.code);
    }
}

void KnowledgeCheck::CheckPresetEchoes(const QString &sRole, const AnswerCheck &answer, bool keywordMeant)
{
    if (!answer.block)
        return;
    const bool fallback = answer.file->sName == KnowledgeLayout::kFallback.file;
    static const QRegularExpression kTag(QStringLiteral("\\[(keyword|next|following)\\]"), QRegularExpression::CaseInsensitiveOption);
    for (const int nEntry : answer.block->gathered.entryLines) {
        const QStringView sEntry = answer.file->lines[nEntry - 1];
        for (auto it = kTag.globalMatch(sEntry); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const bool keyword = m.captured(1).compare(u"keyword", Qt::CaseInsensitive) == 0;
            if (keyword && keywordMeant)
                continue;
            const QString sGives = keyword ? (fallback ? QStringLiteral("it is always empty, since no phrase matched")
                                                       : QStringLiteral("it is whatever was typed"))
                                           : (fallback ? QStringLiteral("no phrase matched, so it echoes whatever was typed")
                                                       : QStringLiteral("it is always empty, since no phrase was matched"));
            Add(*answer.file, nEntry, Finding::Warning,
                QStringLiteral("%1 in %2: %3; use %4 only").arg(m.captured(0), sRole, sGives, KnowledgeLayout::kNameTag));
            break;
        }
    }
}

void KnowledgeCheck::CheckUnusedBlocks()
{
    for (const KnowledgeFile *file : std::as_const(m_responseFiles))
        for (const CodeBlock &block : file->Blocks())
            if (!block.sCode.isEmpty() && !m_used.contains(&block))
                Add(*file, block.nHeaderLine, Finding::Warning,
                    QStringLiteral("block \"*%1\" is never used: no index line names code %1 under \"[%2]\"; add a keyword line "
                                   "for it or remove the block")
                        .arg(block.sCode, file->sName));
}

void KnowledgeCheck::CheckBlockLayout()
{
    static const QString kMarks = QStringLiteral("#$@&*");
    for (const KnowledgeFile *file : std::as_const(m_responseFiles)) {
        for (const CodeBlock &block : file->Blocks())
            if (!block.sCode.isEmpty() && block.nSecondHeaderLine)
                Add(*file, block.nSecondHeaderLine, Finding::Warning,
                    QStringLiteral("a second block \"*%1\" (the first is at line %2): the entries of both are gathered into one "
                                   "block, so either block's answers may come for any line that names code %1; give this block a "
                                   "free code, or join the two")
                        .arg(block.sCode)
                        .arg(block.nHeaderLine));
        for (qsizetype i = 0; i < file->lines.size(); ++i) {
            const QStringView sLine = file->lines[i], sTrimmed = TrimBlanks(sLine);
            if (sLine.startsWith(u' ') && !sTrimmed.isEmpty() && kMarks.contains(sTrimmed.front()))
                Add(*file, int(i + 1), Finding::Warning,
                    QStringLiteral("the line begins with a blank, so it is read as a comment, not as %1; remove the blanks before "
                                   "\"%2\"")
                        .arg(sTrimmed.front() == u'*' ? QStringLiteral("a block header") : QStringLiteral("an entry or a setting"))
                        .arg(sTrimmed.front()));
        }
    }
}

void KnowledgeCheck::CheckInsideWords()
{
    // The base's own words first: a botmaster knows them best.
    QSet<QString> own;
    for (const KnowledgeFile *file : m_files->Files())
        if (file->Readable())
            AddWords(file->sText, own);
    QString sListText;
    const QList<QStringView> listed = WordList::LowerCaseWords(m_sWordList, sListText);
    QList<QStringView> words(own.cbegin(), own.cend());
    QSet<QStringView> known(words.cbegin(), words.cend());
    known.reserve(known.size() + listed.size());
    for (const QStringView sWord : listed)
        if (!known.contains(sWord)) {
            known.insert(sWord);
            words << sWord;
        }
    // The examples: the base's own words first, the shortest first.
    auto familiar = [&own](const QString &a, const QString &b) {
        return std::tuple(!own.contains(a), a.size(), a) < std::tuple(!own.contains(b), b.size(), b);
    };

    QList<QString> phrases;
    for (const PhraseLine &line : std::as_const(m_phraseLines))
        phrases << line.sPhrase;
    QList<HidingWords> hiding = FindHidingWords(phrases, words, known);
    for (qsizetype i = 0; i < hiding.size(); ++i) {
        HidingWords &h = hiding[i];
        if (h.nWords < kManyWords || MarkedMeant(*m_phraseLines[i].index, m_phraseLines[i].nLine, kInsideWordsMarker))
            continue;
        std::sort(h.words.begin(), h.words.end(), familiar);
        const QString sCore = TrimBlanks(phrases[i]).toString();
        const QString sEdged = (h.bBefore || phrases[i].startsWith(u' ') ? QStringLiteral(" ") : QString()) + sCore
                               + (h.bAfter || phrases[i].endsWith(u' ') ? QStringLiteral(" ") : QString());
        QStringList examples;
        for (const QString &sWord : h.words.first(3))
            examples << Quoted(sWord);
        Add(*m_phraseLines[i].index, m_phraseLines[i].nLine, Finding::Warning,
            QStringLiteral("%1 also matches inside %2 other words, such as %3: write %4 (a blank at an end is a word edge) if the "
                           "word alone is meant, and give the forms you want lines of their own; if they are all meant, write "
                           "\"/ %5\" on the line above")
                .arg(Quoted(phrases[i]))
                .arg(h.nWords)
                .arg(examples.join(QStringLiteral(", ")), Quoted(sEdged), kInsideWordsMarker));
    }
}

void KnowledgeCheck::CheckTable(const QString &sName, const QString &sTable, const std::function<void(QStringView, QStringList *)> &parse)
{
    const KnowledgeFile &file = m_files->File(sName);
    if (!file.Readable())
        return;  // the engine does without it
    QStringList problems;
    parse(file.sText, &problems);
    static const QRegularExpression where(QStringLiteral("^line (\\d+): (.*)$"));
    for (const QString &sProblem : std::as_const(problems)) {
        const QRegularExpressionMatch m = where.match(sProblem);
        Add(file, m.hasMatch() ? m.captured(1).toInt() : 0, Finding::Warning,
            QStringLiteral("the %1 table skips this line: %2").arg(sTable, TextFile::WithVisibleNul(m.hasMatch() ? m.captured(2) : sProblem)));
    }
}

void KnowledgeCheck::CheckUnreachedFiles()
{
    QSet<QString> read;
    for (const KnowledgeFile *file : m_files->Files())
        read.insert(file->sPath);
    const QDir data(DataFolder::DataDir());
    QStringList names;
    for (QDirIterator it(data.path(), {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString sPath = it.next();
        if (!read.contains(sPath))
            names << data.relativeFilePath(sPath);
    }
    names.sort();
    for (const QString &sName : std::as_const(names)) {
        const KnowledgeFile &file = m_files->File(sName);
        if (!file.Readable())
            continue;
        const std::vector<CodeBlock> &blocks = file.Blocks();
        const bool holdsBlocks = std::any_of(blocks.cbegin(), blocks.cend(), [](const CodeBlock &b) { return !b.sCode.isEmpty(); });
        if (holdsBlocks) {
            if (!m_bUnreadIndex)
                Add(file, 0, Finding::Warning,
                    QStringLiteral("response file that no section line names: none of its blocks ever answers; name it in an index "
                                   "as \"[%1]\" or remove it")
                        .arg(sName));
        } else if (file.HasSectionLine() && !m_bUnreadResponseFile)
            Add(file, 0, Finding::Warning,
                QStringLiteral("follow-up index that no answer names: it is never searched; add \"&%1\" to a block or remove it")
                    .arg(sName));
    }
}

void KnowledgeCheck::CheckEncodings()
{
    for (const KnowledgeFile *file : m_files->Files()) {
        if (!file->Readable())
            continue;
        if (file->nNotUtf8Line && file->nUtf8Lines > file->nNotUtf8Lines)
            Add(*file, file->nNotUtf8Line, Finding::Warning,
                QStringLiteral("the file is UTF-8 but for this line%1, so all of it is read as Windows-1252 and every letter "
                               "beyond ASCII on the other lines comes out wrong (\"é\" as \"Ã©\"); write this line again in UTF-8")
                    .arg(file->nNotUtf8Lines > 1 ? QStringLiteral(" and %1 more").arg(file->nNotUtf8Lines - 1) : QString()));
        else if (file->nNotUtf8Line)
            Add(*file, file->nNotUtf8Line, Finding::Warning,
                QStringLiteral("the file is not UTF-8 (this is its first line that is not), so it is read as Windows-1252; if it "
                               "was saved in another encoding, such as Windows-1251 for Cyrillic, its letters come out wrong%1: "
                               "save it as UTF-8")
                    .arg(file->nUndefinedByteLine
                             ? QStringLiteral(" (byte 0x%1 on line %2 has no character even in Windows-1252)")
                                   .arg(QString::number(file->nUndefinedByte, 16).toUpper())
                                   .arg(file->nUndefinedByteLine)
                             : QString()));
        if (file->nDecomposedLine)
            Add(*file, file->nDecomposedLine, Finding::Warning,
                QStringLiteral("this line writes a letter and its accent as two characters (decomposed, as macOS may save): a "
                               "sentence typed with the accented letter does not match it; save the file in composed form (NFC)"));
        if (file->utf16)
            Add(*file, 0, Finding::Warning,
                QStringLiteral("this file is UTF-16 (%1, %2 a byte-order mark), as Notepad's \"Unicode\" and PowerShell save: "
                               "Orvia reads it, but other tools may show it spaced out or not at all; save it as UTF-8")
                    .arg(file->utf16->bigEndian ? QStringLiteral("big-endian") : QStringLiteral("little-endian"),
                         file->utf16->marked ? QStringLiteral("with") : QStringLiteral("without")));
        if (file->nNulLine)
            Add(*file, file->nNulLine, Finding::Warning,
                QStringLiteral("this line holds a NUL character (shown as <NUL>%1), which no one types: a phrase holding one "
                               "matches only a sentence holding it too, a file name holding one opens no file, an answer shows it as "
                               "it is; delete it (a file full of them may be UTF-16 that was not recognised: save it as UTF-8)")
                    .arg(file->nNulLines > 1 ? QStringLiteral("; %1 lines of this file hold one").arg(file->nNulLines) : QString()));
        if (file->nMixedEndLine)
            Add(*file, file->nMixedEndLine, Finding::Warning,
                QStringLiteral("mixed line ends: this line ends with %1, line 1 with %2; save the file with one kind")
                    .arg(LineEndName(file->mixedLineEnd), LineEndName(file->firstLineEnd)));
    }
}
