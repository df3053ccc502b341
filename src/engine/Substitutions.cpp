#include "engine/Substitutions.h"

#include "common/DataTableCache.h"
#include "common/KnowledgeLayout.h"
#include "common/TextFile.h"
#include "engine/TextFold.h"

#include <optional>

namespace {

// Where the run of letters, digits and apostrophes that starts at i ends; a
// letter outside the first plane counts whole. "-" and "&" join words, so that
// "k-pop" and "r&b" are not read as "k" and "r".
qsizetype WordEnd(QStringView s, qsizetype i)
{
    while (i < s.size()) {
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()
            && QChar::isLetterOrNumber(QChar::surrogateToUcs4(s[i], s[i + 1])))
            i += 2;
        else if (s[i].isLetterOrNumber() || s[i] == u'\'' || s[i] == u'-' || s[i] == u'&')
            ++i;
        else
            break;
    }
    return i;
}

bool IsWord(QStringView s)
{
    return !s.isEmpty() && WordEnd(s, 0) == s.size();
}

}  // namespace

namespace Substitutions {

namespace {

std::optional<SubstitutionTable> ReadTable()
{
    static DataTableCache<SubstitutionTable> cache(KnowledgeLayout::kSubstitutions, Parse);
    return cache.Get();
}

}  // namespace

SubstitutionTable Parse(QStringView sText, QStringList *problems)
{
    SubstitutionTable table;
    const QList<QStringView> lines = TextFile::SplitLines(sText);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList words = FoldQuotes(lines[i].toString()).simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty() || words[0].startsWith(u'/'))
            continue;
        auto problem = [&](const QString &sWhy) {
            if (problems)
                *problems << QStringLiteral("line %1: %2").arg(i + 1).arg(sWhy);
        };
        const QString sKey = TextFold::Folded(words[0]);
        if (words.size() < 2)
            problem(QStringLiteral("\"%1\" has no replacement; write the word, a blank, then what it stands for").arg(words[0]));
        else if (!IsWord(sKey))
            problem(QStringLiteral("\"%1\" is not one word of letters, digits, apostrophes, \"-\" and \"&\"").arg(words[0]));
        else if (table.words.contains(sKey))
            problem(QStringLiteral("\"%1\" is replaced twice; the first line holds").arg(sKey));
        else
            table.words.insert(sKey, words.sliced(1).join(u' '));
    }
    return table;
}

SubstitutionTable Load()
{
    return ReadTable().value_or(SubstitutionTable());
}

QString FoldQuotes(QString sText)
{
    for (QChar &c : sText) {
        switch (c.unicode()) {
        case 0x2018: case 0x2019: case 0x201B: case 0x02BC: case 0x2032:
            c = u'\'';
            break;
        case 0x201C: case 0x201D: case 0x201E: case 0x201F: case 0x2033:
            c = u'"';
            break;
        default:
            break;
        }
    }
    return sText;
}

QString Normalise(const QString &sSentence, const SubstitutionTable &table)
{
    const QString s = FoldQuotes(sSentence);
    if (table.words.isEmpty())
        return s;
    QString sResult;
    sResult.reserve(s.size());
    const auto lookUp = [&](qsizetype a, qsizetype b) {
        return a < b ? table.words.constFind(TextFold::Folded(QStringView(s).sliced(a, b - a))) : table.words.cend();
    };
    for (qsizetype i = 0; i < s.size();) {
        const qsizetype j = WordEnd(s, i);
        if (j == i) {
            sResult += s[i++];
            continue;
        }
        // The run without the apostrophes at its ends: quotes around a word.
        qsizetype a = i, b = j;
        while (a < b && s[a] == u'\'')
            ++a;
        while (b > a && s[b - 1] == u'\'')
            --b;
        // The run whole first: the table may list "'cause" with its apostrophe.
        if (const auto whole = lookUp(i, j); whole != table.words.cend()) {
            sResult += *whole;
        } else if (const auto inner = lookUp(a, b); inner != table.words.cend()) {
            sResult += QStringView(s).sliced(i, a - i);
            sResult += *inner;
            sResult += QStringView(s).sliced(b, j - b);
        } else {
            sResult += QStringView(s).sliced(i, j - i);
        }
        i = j;
    }
    return sResult;
}

QString Normalise(const QString &sSentence)
{
    const std::optional<SubstitutionTable> table = ReadTable();
    return table ? Normalise(sSentence, *table) : FoldQuotes(sSentence);
}

}  // namespace Substitutions
