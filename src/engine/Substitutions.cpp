#include "engine/Substitutions.h"

#include "common/DataFolder.h"
#include "common/TextFile.h"


namespace {

// Where the run of letters, digits and apostrophes that starts at i ends;
// a letter outside the first plane counts whole.
qsizetype WordEnd(QStringView s, qsizetype i)
{
    while (i < s.size()) {
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()
            && QChar::isLetterOrNumber(QChar::surrogateToUcs4(s[i], s[i + 1])))
            i += 2;
        else if (s[i].isLetterOrNumber() || s[i] == u'\'')
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
        const QString sKey = words[0].toLower();
        if (words.size() < 2)
            problem(QStringLiteral("\"%1\" has no replacement; write the word, a blank, then what it stands for").arg(words[0]));
        else if (!IsWord(sKey))
            problem(QStringLiteral("\"%1\" is not one word of letters, digits and apostrophes").arg(words[0]));
        else if (table.words.contains(sKey))
            problem(QStringLiteral("\"%1\" is replaced twice; the first line holds").arg(sKey));
        else
            table.words.insert(sKey, words.sliced(1).join(u' '));
    }
    return table;
}

SubstitutionTable Load()
{
    const DataFolder::Resolution file = DataFolder::Resolve(DataFolder::DataPath(QStringLiteral("substitutions.txt")));
    if (!file.sPath.isEmpty())
        if (const std::optional<QString> sText = TextFile::ReadText(file.sPath))
            return Parse(*sText);
    return {};
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
    qsizetype i = 0;
    while (i < s.size()) {
        const qsizetype j = WordEnd(s, i);
        if (j == i) {
            sResult += s[i++];
            continue;
        }
        // Quotes around a word are not part of it, unless the table says they are ("'cause").
        qsizetype a = i, b = j;
        auto found = table.words.constFind(QStringView(s).sliced(i, j - i).toString().toLower());
        if (found == table.words.cend()) {
            while (a < b && s[a] == u'\'')
                ++a;
            while (b > a && s[b - 1] == u'\'')
                --b;
            found = a < b ? table.words.constFind(QStringView(s).sliced(a, b - a).toString().toLower()) : table.words.cend();
        }
        if (found == table.words.cend()) {
            sResult += QStringView(s).sliced(i, j - i);
        } else {
            sResult += QStringView(s).sliced(i, a - i);
            sResult += *found;
            sResult += QStringView(s).sliced(b, j - b);
        }
        i = j;
    }
    return sResult;
}

QString Normalise(const QString &sSentence)
{
    return Normalise(sSentence, Load());
}

}  // namespace Substitutions
