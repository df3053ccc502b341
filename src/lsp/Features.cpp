#include "lsp/Features.h"

#include "common/KnowledgeLayout.h"
#include "engine/Blanks.h"
#include "engine/KeywordIndex.h"
#include "lsp/DiagnosticRange.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>

namespace Features {

namespace {

// Kinds of the protocol's enumerations.
constexpr int kSymbolNamespace = 3, kSymbolFunction = 12, kSymbolKey = 20;
constexpr int kCompletionFile = 17, kCompletionKeyword = 14, kCompletionValue = 12;
constexpr int kHoverEntries = 3;

QStringView LineOf(const KnowledgeFile &file, int nLine)
{
    return nLine >= 0 && nLine < file.lines.size() ? file.lines[nLine] : QStringView();
}

QJsonObject Location(const Workspace &base, const KnowledgeFile &file, int nLine, qsizetype from, qsizetype to)
{
    return {{QStringLiteral("uri"), base.UriOf(base.NameOf(file))}, {QStringLiteral("range"), Range(nLine, from, to)}};
}

QJsonObject WholeLine(const Workspace &base, const KnowledgeFile &file, int nLine)
{
    return Location(base, file, nLine, 0, LineOf(file, nLine).size());
}

bool IsHeader(const KnowledgeFile &file, QStringView sLine)
{
    return sLine.startsWith(u'*') && !HeaderCode(sLine).isEmpty() && !file.HasSectionLine();
}

// The block a line names, with where its code stands on the line.
struct CodeAt {
    const KnowledgeFile *response = nullptr;
    QString sCode;
    qsizetype from = 0, to = 0;
    const KeywordLine *keyword = nullptr;  // when on a keyword line
};

std::optional<CodeAt> CodeUnder(const Workspace &base, const Place &at)
{
    const QStringView sLine = LineOf(*at.file, at.nLine);
    if (IsHeader(*at.file, sLine)) {
        const QString sCode = HeaderCode(sLine).toString();
        return CodeAt{at.file, sCode, 1, 1 + sCode.size(), nullptr};
    }
    if (const KeywordLine *keyword = base.KeywordAt(at.file, at.nLine + 1))
        return CodeAt{keyword->response, keyword->sCode, 0, keyword->sCode.size(), keyword};
    return std::nullopt;
}

// The file the cursor's line names, else the file itself.
const KnowledgeFile *FileUnder(const Workspace &base, const Place &at)
{
    if (const NameLine *name = base.NameAt(at.file, at.nLine + 1))
        return name->target;
    return at.file;
}

// An entry as the file writes it: a statement's "#" is not kept with it.
QString Entry(QStringView sEntry)
{
    const QString sShown = sEntry.startsWith(u'$') ? sEntry.toString() : u'#' + sEntry.toString();
    return QStringLiteral("`%1`").arg(QString(sShown).replace(u'`', u'\''));
}

QString At(const Workspace &base, const KnowledgeFile &file, int nLine)
{
    return QStringLiteral("%1:%2").arg(base.NameOf(file)).arg(nLine);
}

// "1 statement", "2 statements".
QString Counted(qsizetype n, const QString &sThing)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(sThing, n == 1 ? QString() : QStringLiteral("s"));
}

QString DescribeBlock(const Workspace &base, const KnowledgeFile &file, const CodeBlock &block)
{
    const GatheredBlock &g = block.gathered;
    QString s = QStringLiteral("Block `*%1` of %2 (line %3): %4, %5\n\n")
                    .arg(block.sCode, base.NameOf(file))
                    .arg(block.nHeaderLine)
                    .arg(Counted(g.nStatements, QStringLiteral("statement")), Counted(g.nQuestions, QStringLiteral("question")));
    for (qsizetype i = 0; i < std::min<qsizetype>(kHoverEntries, g.entries.size()); ++i)
        s += QStringLiteral("- %1\n").arg(Entry(g.entries[i]));
    if (g.entries.size() > kHoverEntries)
        s += QStringLiteral("- and %1 more\n").arg(g.entries.size() - kHoverEntries);
    if (g.followUp)
        s += QStringLiteral("\nThe next sentence is searched in %1 first.\n").arg(*g.followUp);
    return s;
}

QString DescribeTag(QStringView sTag)
{
    using namespace KnowledgeLayout;
    if (sTag.compare(kNameTag, Qt::CaseInsensitive) == 0)
        return QStringLiteral("`[name]`: the user's name, in the case they typed it.");
    if (sTag.compare(kKeywordTag, Qt::CaseInsensitive) == 0)
        return QStringLiteral("`[keyword]`: the phrase that matched.");
    if (sTag.compare(kNextTag, Qt::CaseInsensitive) == 0)
        return QStringLiteral("`[next]`: the first word of the sentence after the phrase, reflected (\"my\" becomes \"your\").");
    if (sTag.compare(kFollowingTag, Qt::CaseInsensitive) == 0)
        return QStringLiteral("`[following]`: the rest of the sentence after the phrase, to the end of that sentence, reflected.");
    return QString();
}

// The "[...]" around the cursor, when it is one of the tags.
std::optional<std::pair<qsizetype, qsizetype>> TagUnder(QStringView sLine, int nCharacter)
{
    const qsizetype open = sLine.lastIndexOf(u'[', std::min<qsizetype>(nCharacter, sLine.size() - 1));
    if (open < 0)
        return std::nullopt;
    const qsizetype close = sLine.indexOf(u']', open);
    if (close < 0 || close + 1 < nCharacter || DescribeTag(sLine.sliced(open, close + 1 - open)).isEmpty())
        return std::nullopt;
    return std::pair(open, close + 1);
}

QJsonObject Markdown(const QString &s)
{
    return {{QStringLiteral("contents"), QJsonObject{{QStringLiteral("kind"), QStringLiteral("markdown")}, {QStringLiteral("value"), s}}}};
}

QJsonObject TextEdit(int nLine, qsizetype from, qsizetype to, const QString &sText)
{
    return {{QStringLiteral("range"), Range(nLine, from, to)}, {QStringLiteral("newText"), sText}};
}

QJsonObject Item(const QString &sLabel, int nKind, const QString &sDetail, const QJsonObject &edit)
{
    return {{QStringLiteral("label"), sLabel}, {QStringLiteral("kind"), nKind}, {QStringLiteral("detail"), sDetail},
            {QStringLiteral("textEdit"), edit}};
}

// The response file of the section above a line of an index.
const KnowledgeFile *SectionAbove(const Workspace &base, const KnowledgeFile &index, int nLine)
{
    for (int n = nLine; n >= 1; --n)
        if (LineOf(index, n - 1).startsWith(u'['))
            if (const NameLine *name = base.NameAt(&index, n))
                return name->target;
    return nullptr;
}

QJsonArray FileItems(const Workspace &base, int nLine, qsizetype from, qsizetype to)
{
    QJsonArray items;
    QStringList names;
    const QDir data(base.DataDir());
    for (QDirIterator it(data.path(), {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        names << data.relativeFilePath(it.next());
    names.sort();
    for (const QString &sName : std::as_const(names)) {
        const KnowledgeFile *file = base.File(sName);
        const QString sKind = !file ? QString()
                              : file->HasSectionLine() ? QStringLiteral("keyword index")
                                                       : QStringLiteral("%1 blocks").arg(file->Blocks().size());
        items << Item(sName, kCompletionFile, sKind, TextEdit(nLine, from, to, sName));
    }
    return items;
}

QJsonObject Symbol(const QString &sName, const QString &sDetail, int nKind, const QJsonObject &range, const QJsonObject &selection)
{
    return {{QStringLiteral("name"), sName}, {QStringLiteral("detail"), sDetail}, {QStringLiteral("kind"), nKind},
            {QStringLiteral("range"), range}, {QStringLiteral("selectionRange"), selection}};
}

}  // namespace

QJsonObject Range(int nLine, qsizetype from, qsizetype to)
{
    auto position = [nLine](qsizetype n) { return QJsonObject{{QStringLiteral("line"), nLine}, {QStringLiteral("character"), int(n)}}; };
    return {{QStringLiteral("start"), position(from)}, {QStringLiteral("end"), position(to)}};
}

QHash<QString, QJsonArray> Diagnostics(const Workspace &base)
{
    QHash<QString, QJsonArray> byFile;
    QHash<QString, const KnowledgeFile *> files;  // a base of 100,000 findings names each file many times
    for (const Finding &f : base.Checker().Findings()) {
        auto known = files.constFind(f.sFile);
        if (known == files.cend())
            known = files.insert(f.sFile, base.File(f.sFile));
        const KnowledgeFile *file = *known;
        const int nLine = std::max(0, f.nLine - 1);
        const QStringView sLine = file ? LineOf(*file, nLine) : QStringView();
        const auto [from, to] = f.nLine == 0 ? std::pair<qsizetype, qsizetype>(0, sLine.size())
                                             : FindingSpan(sLine, file && file->HasSectionLine(), f.sMessage);
        byFile[f.sFile] << QJsonObject{{QStringLiteral("range"), Range(nLine, from, to)},
                                       {QStringLiteral("severity"), f.severity == Finding::Error ? 1 : 2},
                                       {QStringLiteral("source"), QStringLiteral("orvia-check")},
                                       {QStringLiteral("message"), f.sMessage}};
    }
    return byFile;
}

QJsonValue Definition(const Workspace &base, const Place &at)
{
    if (const std::optional<CodeAt> code = CodeUnder(base, at); code && code->keyword) {
        const CodeBlock *block = code->response ? code->response->Block(code->sCode) : nullptr;
        return block ? QJsonValue(WholeLine(base, *code->response, block->nHeaderLine - 1)) : QJsonValue();
    }
    if (const NameLine *name = base.NameAt(at.file, at.nLine + 1); name && name->target)
        return Location(base, *name->target, 0, 0, 0);
    return QJsonValue();
}

QJsonArray References(const Workspace &base, const Place &at, bool includeDeclaration)
{
    QJsonArray found;
    // On a header or a keyword line, the block's; anywhere else, the file's (or the one the line names).
    if (const std::optional<CodeAt> code = CodeUnder(base, at)) {
        const CodeBlock *block = code->response ? code->response->Block(code->sCode) : nullptr;
        if (includeDeclaration && block)
            found << WholeLine(base, *code->response, block->nHeaderLine - 1);
        for (const KeywordLine *line : base.Reaching(code->response, code->sCode))
            found << WholeLine(base, *line->index, line->nLine - 1);
        return found;
    }
    const KnowledgeFile *file = FileUnder(base, at);
    for (const NameLine &name : base.NameLines())
        if (file && name.target == file)
            found << Location(base, *name.file, name.nLine - 1, name.from, name.to);
    return found;
}

QJsonValue Hover(const Workspace &base, const Place &at)
{
    const QStringView sLine = LineOf(*at.file, at.nLine);
    if (!at.file->HasSectionLine())
        if (const auto tag = TagUnder(sLine, at.nCharacter))
            return Markdown(DescribeTag(sLine.sliced(tag->first, tag->second - tag->first)));
    const std::optional<CodeAt> code = CodeUnder(base, at);
    if (code && !code->keyword) {
        const CodeBlock *block = at.file->Block(code->sCode);
        const QList<const KeywordLine *> reaching = base.Reaching(at.file, code->sCode);
        QString s = DescribeBlock(base, *at.file, *block);
        s += QStringLiteral("\n%1 %2").arg(Counted(reaching.size(), QStringLiteral("index line")),
                                            reaching.size() == 1 ? QStringLiteral("reaches it") : QStringLiteral("reach it"));
        QStringList places;
        for (const KeywordLine *line : reaching.first(std::min<qsizetype>(5, reaching.size())))
            places << At(base, *line->index, line->nLine);
        s += places.isEmpty() ? QStringLiteral(".\n") : QStringLiteral(": %1%2.\n").arg(places.join(QStringLiteral(", ")), reaching.size() > 5 ? QStringLiteral(" ...") : QString());
        return Markdown(s);
    }
    QString s;
    if (code) {
        const CodeBlock *block = code->response ? code->response->Block(code->sCode) : nullptr;
        s = block ? DescribeBlock(base, *code->response, *block)
                  : QStringLiteral("Code `%1`: no block in %2.\n").arg(code->sCode, code->response ? base.NameOf(*code->response) : QStringLiteral("no response file"));
    } else if (const NameLine *name = base.NameAt(at.file, at.nLine + 1)) {
        s = !name->target || !name->target->Readable() ? QStringLiteral("%1: not found in data/.\n").arg(name->sName)
            : name->target->HasSectionLine()          ? QStringLiteral("%1: a keyword index of %2 lines.\n").arg(name->sName).arg(name->target->lines.size())
                                                       : QStringLiteral("%1: a response file of %2 blocks.\n").arg(name->sName).arg(name->target->Blocks().size());
    }
    const QList<Finding> findings = base.FindingsOf(at.sName, at.nLine + 1);
    for (const Finding &f : findings)
        s += QStringLiteral("\n**%1**: %2\n").arg(f.severity == Finding::Error ? QStringLiteral("error") : QStringLiteral("warning"), f.sMessage);
    return s.isEmpty() ? QJsonValue() : QJsonValue(Markdown(s));
}

QJsonArray Completion(const Workspace &base, const Place &at)
{
    const QStringView sLine = LineOf(*at.file, at.nLine);
    const qsizetype nCursor = std::clamp<qsizetype>(at.nCharacter, 0, sLine.size());
    const QStringView sBefore = sLine.first(nCursor);
    const bool index = at.file->HasSectionLine() || at.sName.compare(KnowledgeLayout::kMainIndex, Qt::CaseInsensitive) == 0;
    if (index && sBefore.startsWith(u'['))
        return FileItems(base, at.nLine, 1, nCursor);
    if (!index && sBefore.startsWith(u'&'))
        return FileItems(base, at.nLine, 1, nCursor);
    QJsonArray items;
    if (!index) {
        const qsizetype open = sBefore.lastIndexOf(u'[');
        if (open >= 0 && !sBefore.sliced(open).contains(u']'))
            for (const QLatin1StringView sTag : KnowledgeLayout::kTags)
                items << Item(sTag, kCompletionKeyword, DescribeTag(QString(sTag)), TextEdit(at.nLine, open, nCursor, sTag));
        return items;
    }
    // The code of a keyword line, with its separator: the blocks of the section's file.
    if (nCursor > 4 || sLine.startsWith(u'/'))
        return items;
    const KnowledgeFile *response = SectionAbove(base, *at.file, at.nLine);
    if (!response || !response->Readable())
        return items;
    for (const CodeBlock &block : response->Blocks()) {
        if (block.sCode.isEmpty())
            continue;
        const QString sFirst = block.gathered.entries.isEmpty() ? QString() : block.gathered.entries.first().toString();
        items << Item(block.sCode, kCompletionValue, sFirst, TextEdit(at.nLine, 0, std::min<qsizetype>(5, sLine.size()), block.sCode + u' '));
    }
    return items;
}

QJsonArray Symbols(const Workspace &base, const KnowledgeFile &file)
{
    QJsonArray symbols;
    const qsizetype nLines = file.lines.size();
    auto until = [&](qsizetype from, auto starts) {
        qsizetype n = from + 1;
        while (n < nLines && !starts(file.lines[n]))
            ++n;
        return n - 1;
    };
    auto span = [&](qsizetype from, qsizetype last) {
        QJsonObject range = Range(int(from), 0, 0);
        range[QStringLiteral("end")] = QJsonObject{{QStringLiteral("line"), int(last)}, {QStringLiteral("character"), int(file.lines[last].size())}};
        return range;
    };
    if (file.HasSectionLine()) {
        for (qsizetype i = 0; i < nLines; ++i) {
            if (!file.lines[i].startsWith(u'['))
                continue;
            const qsizetype last = until(i, [](QStringView s) { return s.startsWith(u'['); });
            QJsonArray children;
            for (qsizetype k = i + 1; k <= last; ++k)
                if (base.KeywordAt(&file, int(k + 1)))
                    children << Symbol(file.lines[k].toString(), QString(), kSymbolKey, Range(int(k), 0, file.lines[k].size()),
                                       Range(int(k), 0, file.lines[k].size()));
            QJsonObject section = Symbol(file.lines[i].toString(), QString(), kSymbolNamespace, span(i, last), Range(int(i), 0, file.lines[i].size()));
            section[QStringLiteral("children")] = children;
            symbols << section;
        }
        return symbols;
    }
    for (qsizetype i = 0; i < nLines; ++i) {
        if (!IsHeader(file, file.lines[i]))
            continue;
        const qsizetype last = until(i, [](QStringView s) { return s.startsWith(u'*'); });
        const QStringView sNext = i + 1 < nLines ? file.lines[i + 1] : QStringView();
        symbols << Symbol(TrimRightBlanks(file.lines[i]).toString(), sNext.startsWith(u'/') ? TrimBlanks(sNext.sliced(1)).toString() : QString(),
                          kSymbolFunction, span(i, last), Range(int(i), 0, file.lines[i].size()));
    }
    return symbols;
}

QJsonValue PrepareRename(const Workspace &base, const Place &at)
{
    const std::optional<CodeAt> code = CodeUnder(base, at);
    if (!code || !code->response)
        return QJsonValue();
    return QJsonObject{{QStringLiteral("range"), Range(at.nLine, code->from, code->to)}, {QStringLiteral("placeholder"), code->sCode}};
}

QJsonValue Rename(const Workspace &base, const Place &at, const QString &sNewCode, QString *psError)
{
    const std::optional<CodeAt> code = CodeUnder(base, at);
    if (!code || !code->response || !code->response->Readable())
        return QJsonValue();
    if (sNewCode.size() != 4 || sNewCode.contains(u' ') || sNewCode.contains(u'*')) {
        *psError = QStringLiteral("a code is four characters without blanks: %1").arg(sNewCode);
        return QJsonValue();
    }
    QHash<QString, QJsonArray> edits;
    const KnowledgeFile &response = *code->response;
    for (qsizetype i = 0; i < response.lines.size(); ++i)
        if (IsHeader(response, response.lines[i]) && HeaderCode(response.lines[i]) == code->sCode)
            edits[base.UriOf(base.NameOf(response))] << TextEdit(int(i), 1, 1 + code->sCode.size(), sNewCode);
    for (const KeywordLine *line : base.Reaching(code->response, code->sCode))
        edits[base.UriOf(base.NameOf(*line->index))] << TextEdit(line->nLine - 1, 0, 4, sNewCode);
    QJsonObject changes;
    for (auto it = edits.cbegin(); it != edits.cend(); ++it)
        changes.insert(it.key(), it.value());
    return QJsonObject{{QStringLiteral("changes"), changes}};
}

QJsonArray CodeActions(const Workspace &base, const Place &at)
{
    const KeywordLine *keyword = base.KeywordAt(at.file, at.nLine + 1);
    if (!keyword)
        return {};
    const QString sPhrase = TrimBlanks(ClassifyIndexLine(LineOf(*at.file, at.nLine)).sPhrase).toString();
    const QString sTitle = QStringLiteral("Try \"%1\"").arg(sPhrase);
    const QJsonObject command{{QStringLiteral("title"), sTitle}, {QStringLiteral("command"), QString(kTryCommand)},
                              {QStringLiteral("arguments"), QJsonArray{sPhrase}}};
    return {QJsonObject{{QStringLiteral("title"), sTitle}, {QStringLiteral("command"), command}}};
}

}  // namespace Features
