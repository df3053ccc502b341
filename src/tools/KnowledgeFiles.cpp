#include "tools/KnowledgeFiles.h"

#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "common/Windows1252.h"
#include "engine/Blanks.h"
#include "engine/KeywordIndex.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// The first byte that Windows-1252 leaves undefined, and its line.
void FindUndefinedByte(const QByteArray &bytes, KnowledgeFile &file)
{
    int nLine = 1;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes[i]);
        if (c == '\n' || (c == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++nLine;
        if (Windows1252::IsUndefined(c)) {
            file.nUndefinedByteLine = nLine;
            file.nUndefinedByte = c;
            return;
        }
    }
}

KnowledgeFile::LineEnd EndOf(const KnowledgeFile &file, qsizetype n)
{
    const QStringView line = file.lines[n];
    const qsizetype at = line.data() - file.sText.constData() + line.size();
    if (at >= file.sText.size())
        return KnowledgeFile::NoEnd;
    if (file.sText[at] == u'\n')
        return KnowledgeFile::Lf;
    return at + 1 < file.sText.size() && file.sText[at + 1] == u'\n' ? KnowledgeFile::CrLf : KnowledgeFile::Cr;
}

void FindMixedLineEnds(KnowledgeFile &file)
{
    if (file.lines.isEmpty())
        return;
    file.firstLineEnd = EndOf(file, 0);
    for (qsizetype n = 1; n < file.lines.size(); ++n) {
        const KnowledgeFile::LineEnd end = EndOf(file, n);
        if (end != KnowledgeFile::NoEnd && end != file.firstLineEnd) {
            file.nMixedEndLine = int(n + 1);
            file.mixedLineEnd = end;
            return;
        }
    }
}

void FindNulLines(KnowledgeFile &file)
{
    for (qsizetype n = 0; n < file.lines.size(); ++n) {
        if (!file.lines[n].contains(QChar(0)))
            continue;
        if (!file.nNulLine)
            file.nNulLine = int(n + 1);
        ++file.nNulLines;
    }
}

// Which lines of a file that is not UTF-8 are not, and how many beyond ASCII are.
void FindNotUtf8Lines(const QByteArray &bytes, KnowledgeFile &file)
{
    TextFile::LineReader reader(bytes);
    while (reader.NextLine()) {
        const QByteArrayView line = reader.Raw();
        if (std::all_of(line.begin(), line.end(), [](char c) { return uchar(c) < 0x80; }))
            continue;
        if (TextFile::IsUtf8(line)) {
            ++file.nUtf8Lines;
        } else {
            if (!file.nNotUtf8Line)
                file.nNotUtf8Line = reader.LineNumber();
            ++file.nNotUtf8Lines;
        }
    }
}

void FindDecomposedLine(KnowledgeFile &file)
{
    for (qsizetype n = 0; n < file.lines.size(); ++n) {
        const QStringView line = file.lines[n];
        if (std::any_of(line.begin(), line.end(), [](QChar c) { return c.isMark(); })
            && line.toString() != line.toString().normalized(QString::NormalizationForm_C)) {
            file.nDecomposedLine = int(n + 1);
            return;
        }
    }
}

void Split(KnowledgeFile &file)
{
    file.lines = TextFile::SplitLines(file.sText);
    FindDecomposedLine(file);
    FindMixedLineEnds(file);
    FindNulLines(file);
}

void Read(KnowledgeFile &file, const TextOverlay &overlay)
{
    if (const auto it = overlay.constFind(file.sPath); it != overlay.cend()) {
        file.bExists = true;
        file.sText = *it;
        Split(file);
        return;
    }
    file.bExists = QFileInfo(file.sPath).isFile();
    if (!file.bExists) {
        file.sError = QStringLiteral("no such file");
        return;
    }
    TextFile::Failure failure;
    const std::optional<QByteArray> bytes = TextFile::ReadBytes(file.sPath, &failure);
    if (!bytes) {
        file.sError = failure.sDescription;
        return;
    }
    file.sText = TextFile::LineReader(*bytes).DecodedRest();
    file.utf16 = TextFile::Utf16FormOf(*bytes);
    file.bUtf8 = !file.utf16 && TextFile::IsUtf8(*bytes);
    if (!file.bUtf8 && !file.utf16) {
        FindUndefinedByte(*bytes, file);
        FindNotUtf8Lines(*bytes, file);
    }
    Split(file);
}

}  // namespace

void KnowledgeFile::GatherBlocks() const
{
    std::vector<CodeBlock> &blocks = m_blocks.emplace();
    // Room for every header at once: rehashing a file of 100,000 codes costs more than the walk.
    const qsizetype nHeaders = std::count_if(lines.cbegin(), lines.cend(), [](QStringView s) { return s.startsWith(u'*'); });
    blocks.reserve(size_t(nHeaders));
    m_blockOf.reserve(nHeaders);
    int current = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView sLine = lines[i];
        if (sLine.isEmpty())
            continue;
        const int nLine = int(i + 1);
        // Every "*" line opens the block it names and closes any other, as the
        // selection reads blocks one code at a time.
        if (sLine.front() == u'*') {
            const QStringView sCode = HeaderCode(sLine);
            auto it = m_blockOf.constFind(sCode);
            if (it == m_blockOf.cend()) {
                it = m_blockOf.insert(sCode, int(blocks.size()));
                blocks.push_back(CodeBlock{sCode.toString(), {}, nLine, 0, 0, 0});
            } else if (!blocks[*it].nSecondHeaderLine) {
                blocks[*it].nSecondHeaderLine = nLine;
            }
            current = *it;
            continue;
        }
        if (current < 0 || blocks[current].gathered.nShortAttributeLine)
            continue;
        CodeBlock &block = blocks[current];
        switch (AddBlockLine(block.gathered, sLine, nLine, StatementsAndQuestions)) {
        case BlockLine::Entry:
            // Only a short entry or one with a control part can leave no text.
            if (const QStringView entry = block.gathered.entries.last();
                !block.nEmptyEntryLine && (entry.size() < 2 || entry.contains(u'{'))
                && EntryFromLine(entry.toString(), {}).sText.isEmpty())
                block.nEmptyEntryLine = nLine;
            break;
        case BlockLine::FollowUp:
            block.nFollowUpLine = nLine;
            break;
        default:
            break;
        }
    }
}

const std::vector<CodeBlock> &KnowledgeFile::Blocks() const
{
    if (!m_blocks)
        GatherBlocks();
    return *m_blocks;
}

const CodeBlock *KnowledgeFile::Block(QStringView sCode) const
{
    const std::vector<CodeBlock> &blocks = Blocks();
    const auto it = m_blockOf.constFind(TrimRightBlanks(sCode));
    return it == m_blockOf.cend() ? nullptr : &blocks[*it];
}

bool KnowledgeFile::HasSectionLine() const
{
    if (!m_hasSectionLine)
        m_hasSectionLine = std::any_of(lines.cbegin(), lines.cend(),
                                       [](QStringView sLine) { return ClassifyIndexLine(sLine).kind == IndexLine::Section; });
    return *m_hasSectionLine;
}

KnowledgeFile &KnowledgeFiles::File(const QString &sName)
{
    if (KnowledgeFile *known = m_byName.value(sName))
        return *known;
    const DataFolder::Resolution resolved = DataFolder::Resolve(DataFolder::DataPath(sName));
    // Two names for one file (letter case, "\") share one reading.
    if (KnowledgeFile *same = m_byPath.value(resolved.sPath)) {
        m_byName.insert(sName, same);
        return *same;
    }
    auto file = std::make_unique<KnowledgeFile>();
    file->sName = sName;
    file->sPath = resolved.sPath;
    if (file->sPath.isEmpty())
        file->sError = resolved.sError;
    else {
        Read(*file, m_overlay);
        m_byPath.insert(file->sPath, file.get());
    }
    m_byName.insert(sName, file.get());
    m_files.push_back(std::move(file));
    return *m_files.back();
}

QList<const KnowledgeFile *> KnowledgeFiles::Files() const
{
    QList<const KnowledgeFile *> files;
    for (const auto &file : m_files)
        files << file.get();
    return files;
}
