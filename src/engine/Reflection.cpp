#include "engine/Reflection.h"

#include "common/DataTableCache.h"
#include "common/KnowledgeLayout.h"
#include "engine/Blanks.h"
#include "engine/TextFold.h"

#include <algorithm>
#include <functional>

namespace {

constexpr QChar kTypographicApostrophe = u'\u2019';

bool IsWordChar(QChar c)
{
    return c.isLetter() || c.isMark() || c == u'\'' || c == kTypographicApostrophe;
}

bool IsApostrophe(QChar c)
{
    return c == u'\'' || c == kTypographicApostrophe;
}

// The form a word is looked up by: folded as the search folds, one kind of apostrophe.
QString Key(QStringView sWord)
{
    return TextFold::Folded(sWord).replace(kTypographicApostrophe, u'\'');
}

bool IsTableWord(QStringView sWord, bool allowBlankMark)
{
    return !sWord.isEmpty() && std::all_of(sWord.begin(), sWord.end(), [&](QChar c) { return IsWordChar(c) || (allowBlankMark && c == u'_'); });
}

// The lists of words that tell a subject "you" from an object, by the word their lines start with.
constexpr std::pair<const char *, QSet<QString> ReflectionTable::*> kWordLists[] = {
    {"object-after", &ReflectionTable::objectAfter},
    {"subject-after", &ReflectionTable::subjectAfter},
    {"subject-before", &ReflectionTable::subjectBefore},
    {"clause", &ReflectionTable::clauseStarts},
};

const char kBuiltInText[] =
#include "engine/BuiltInReflections.inc"
    ;

struct Word {
    qsizetype nStart = 0, nEnd = 0;
    QString sKey;
    QString sOut;
    bool turned = false;
};

// "_" stands for a blank, in the word swapped and in its forms.
void AddSwap(ReflectionTable &table, QStringList args)
{
    for (QString &s : args)
        s.replace(u'_', u' ');
    const QString &sWord = args[0];
    table.swaps.insert(sWord, {args[1], args.value(2, args[1])});
    table.nMostWords = std::max(table.nMostWords, sWord.count(u' ') + 1);
    if (std::any_of(sWord.begin(), sWord.end(), WrittenWithoutBlanks))
        table.nLongestUnspaced = std::max(table.nLongestUnspaced, sWord.size());
}

// The longest swap that stands at s[p] within [p, b), in a script without blanks.
qsizetype LongestSwapAt(QStringView s, qsizetype p, qsizetype b, const ReflectionTable &table)
{
    for (qsizetype n = std::min(table.nLongestUnspaced, b - p); n > 0; --n)
        if (table.swaps.contains(Key(s.sliced(p, n))))
            return n;
    return 0;
}

// The word s[a, b) as table words: an elided start the table swaps ("j'" of
// "j'ai") is a word of its own, and so, in a script without blanks, is the
// longest swap at each place ("我" of "我需要").
void AddWords(QStringView s, qsizetype a, qsizetype b, const ReflectionTable &table, QList<Word> &words)
{
    const QString sWhole = Key(s.sliced(a, b - a));
    for (qsizetype i = a + 1; i + 1 < b && !table.swaps.contains(sWhole); ++i) {
        if (!IsApostrophe(s[i]))
            continue;
        if (!table.swaps.contains(Key(s.sliced(a, i + 1 - a))))
            break;
        words << Word{a, i + 1, Key(s.sliced(a, i + 1 - a)), QString(), false};
        AddWords(s, i + 1, b, table, words);
        return;
    }
    if (table.nLongestUnspaced == 0 || std::none_of(s.begin() + a, s.begin() + b, WrittenWithoutBlanks)) {
        words << Word{a, b, sWhole, QString(), false};
        return;
    }
    qsizetype nPlain = a;  // where the run that no swap starts in began
    for (qsizetype p = a; p < b;) {
        const qsizetype n = WrittenWithoutBlanks(s[p]) ? LongestSwapAt(s, p, b, table) : 0;
        if (n == 0) {
            ++p;
            continue;
        }
        if (nPlain < p)
            words << Word{nPlain, p, Key(s.sliced(nPlain, p - nPlain)), QString(), false};
        words << Word{p, p + n, Key(s.sliced(p, n)), QString(), false};
        p += n;
        nPlain = p;
    }
    if (nPlain < b)
        words << Word{nPlain, b, Key(s.sliced(nPlain, b - nPlain)), QString(), false};
}

// Words the table swaps together ("je suis") become one, the most words first.
void JoinSwappedWords(QStringView s, const ReflectionTable &table, QList<Word> &words)
{
    if (table.nMostWords < 2)
        return;
    for (qsizetype k = 0; k < words.size(); ++k) {
        for (qsizetype n = std::min(table.nMostWords, words.size() - k); n > 1; --n) {
            QString sKey = words[k].sKey;
            bool blanksOnly = true;
            for (qsizetype m = k + 1; m < k + n && blanksOnly; ++m) {
                const QStringView sGap = s.sliced(words[m - 1].nEnd, words[m].nStart - words[m - 1].nEnd);
                blanksOnly = !sGap.isEmpty() && std::all_of(sGap.begin(), sGap.end(), [](QChar c) { return c == u' '; });
                sKey += u' ' + words[m].sKey;
            }
            if (!blanksOnly || !table.swaps.contains(sKey))
                continue;
            words[k] = Word{words[k].nStart, words[k + n - 1].nEnd, sKey, QString(), false};
            words.remove(k + 1, n - 1);
            break;
        }
    }
}

}  // namespace

namespace Reflection {

ReflectionTable Parse(QStringView sText, QStringList *problems)
{
    ReflectionTable table;
    QStringList ignored;
    QStringList &found = problems ? *problems : ignored;
    const QList<QStringView> lines = TextFile::SplitLines(sText);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList words = lines[i].toString().simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty() || words[0].startsWith(u'/'))
            continue;
        auto problem = [&](const QString &sWhy) { found << QStringLiteral("line %1: %2").arg(i + 1).arg(sWhy); };
        const QString sKind = words[0].toLower();
        QStringList args;
        for (const QString &s : words.sliced(1))
            args << Key(s);
        const bool isVerb = sKind == u"verb";
        const bool isSwap = sKind == u"swap";
        if (!std::all_of(args.begin(), args.end(), [&](const QString &s) { return IsTableWord(s, isVerb || isSwap); })) {
            problem(QStringLiteral("a word holds something other than letters and apostrophes"));
            continue;
        }
        if (sKind == u"swap") {
            if (args.size() != 2 && args.size() != 3)
                problem(QStringLiteral("\"swap\" takes a word and one or two forms"));
            else if (table.swaps.contains(args[0]))
                problem(QStringLiteral("\"%1\" is swapped twice").arg(args[0]));
            else
                AddSwap(table, args);
            continue;
        }
        if (isVerb) {
            if (args.size() < 4 || args.size() % 2)
                problem(QStringLiteral("\"verb\" takes pairs of a pronoun and its form, at least two"));
            if (args.size() < 4 || args.size() % 2)
                continue;
            QHash<QString, QString> group;
            for (qsizetype a = 0; a + 1 < args.size(); a += 2) {
                const QString sForm = QString(args[a + 1]).replace(u'_', u' ');
                group.insert(args[a], sForm);
                if (!sForm.contains(u' '))
                    table.verbGroupOf.insert(sForm, table.verbGroups.size());
            }
            table.verbGroups << group;
            continue;
        }
        const auto list = std::find_if(std::begin(kWordLists), std::end(kWordLists), [&](const auto &l) { return sKind == QLatin1String(l.first); });
        if (list == std::end(kWordLists))
            problem(QStringLiteral("unknown kind of line \"%1\"").arg(words[0]));
        else if (args.isEmpty())
            problem(QStringLiteral("\"%1\" lists no words").arg(sKind));
        else
            for (const QString &s : std::as_const(args))
                (table.*(list->second)).insert(s);
    }
    return table;
}

}  // namespace Reflection

namespace {

// Whether a "you" at words[k] is the subject of its clause.
bool IsSubject(const QList<Word> &words, qsizetype k, const std::function<bool(qsizetype)> &joined, const ReflectionTable &table)
{
    const QString sPrev = k > 0 && joined(k - 1) ? words[k - 1].sKey : QString();
    const QString sNext = k + 1 < words.size() && joined(k) ? words[k + 1].sKey : QString();
    if (table.objectAfter.contains(sPrev))
        return false;
    if (table.subjectAfter.contains(sPrev) || table.subjectBefore.contains(sNext))
        return true;
    return sPrev.isEmpty() || table.clauseStarts.contains(sPrev);
}

}  // namespace

namespace Reflection {

const ReflectionTable &BuiltIn()
{
    static const ReflectionTable table = Parse(QString::fromUtf8(kBuiltInText));
    return table;
}

ReflectionTable Load()
{
    static DataTableCache<ReflectionTable> cache(KnowledgeLayout::kReflections, Parse);
    return cache.Get().value_or(BuiltIn());
}

QString Reflect(const QString &sPhrase, const ReflectionTable &table, const QString &sLead)
{
    const QString s = sLead + sPhrase;
    QList<Word> words;
    for (qsizetype i = 0; i < s.size();) {
        if (!IsWordChar(s[i])) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < s.size() && IsWordChar(s[j]))
            ++j;
        // Quotes around a word are not part of it.
        qsizetype a = i, b = j;
        while (a < b && !s[a].isLetter())
            ++a;
        while (b > a && !s[b - 1].isLetter())
            --b;
        if (a < b)
            AddWords(s, a, b, table, words);
        i = j;
    }
    JoinSwappedWords(s, table, words);
    // Two words belong together when only blanks stand between them.
    const auto joined = [&](qsizetype k) {
        const QStringView sGap = QStringView(s).sliced(words[k].nEnd, words[k + 1].nStart - words[k].nEnd);
        return std::all_of(sGap.begin(), sGap.end(), [](QChar c) { return c == u' '; });
    };
    for (qsizetype k = 0; k < words.size(); ++k) {
        const auto swap = table.swaps.constFind(words[k].sKey);
        if (swap == table.swaps.cend())
            continue;
        const bool subject = swap->sSubject == swap->sObject || IsSubject(words, k, joined, table);
        words[k].sOut = subject ? swap->sSubject : swap->sObject;
        words[k].turned = true;
    }
    for (qsizetype k = 0; k < words.size(); ++k) {
        const auto group = table.verbGroupOf.constFind(words[k].sKey);
        if (words[k].turned || group == table.verbGroupOf.cend())
            continue;
        const QHash<QString, QString> &forms = table.verbGroups[*group];
        const bool after = k > 0 && joined(k - 1) && words[k - 1].turned;
        const bool before = !after && k + 1 < words.size() && joined(k) && words[k + 1].turned;
        const QString sPronoun = after ? words[k - 1].sOut : before ? words[k + 1].sOut : QString();
        const auto form = forms.constFind(sPronoun);
        // "am not" cannot stand before its pronoun: "aren't you" stays.
        if (form != forms.cend() && (after || !form->contains(u' '))) {
            words[k].sOut = *form;
            words[k].turned = true;
        }
    }
    QString sResult;
    qsizetype nDone = sLead.size();
    for (const Word &w : std::as_const(words)) {
        if (!w.turned || w.nStart < nDone)
            continue;
        sResult += QStringView(s).sliced(nDone, w.nStart - nDone);
        sResult += w.sOut;
        nDone = w.nEnd;
        // "j'ai" swapped as "j'" gives "tu ai": the elision's replacement is a word of its own.
        if (IsApostrophe(w.sKey.back()) && !w.sOut.isEmpty() && !IsApostrophe(w.sOut.back()) && nDone < s.size() && s[nDone].isLetter())
            sResult += u' ';
    }
    sResult += QStringView(s).sliced(nDone);
    return TrimBlanks(sResult).toString();
}

}  // namespace Reflection
