#include "cli/FallbackGroups.h"

#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "engine/KeywordIndex.h"
#include "engine/PhraseMatch.h"
#include "engine/TextFold.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString Quoted(const QString &s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QSet<QString> ContentWords(const QString &sText, const QSet<QString> &stop)
{
    QSet<QString> words;
    for (const QString &w : FallbackGroups::Words(sText))
        if (w.size() > 1 && !stop.contains(w))
            words.insert(w);
    return words;
}

// The word most ungrouped sentences hold (two at least), the first seen of equals; empty when none.
QString MostShared(const QList<QSet<QString>> &words, const QList<bool> &grouped, const QStringList &order)
{
    QHash<QString, int> counts;
    for (qsizetype i = 0; i < words.size(); ++i)
        if (!grouped[i])
            for (const QString &w : words[i])
                ++counts[w];
    QString sBest;
    int nBest = 1;
    for (const QString &w : order)
        if (counts.value(w) > nBest) {
            sBest = w;
            nBest = counts.value(w);
        }
    return sBest;
}

// The words as a phrase with a word edge at each end.
QString EdgedPhrase(const QStringList &words)
{
    return QLatin1Char(' ') + words.join(QLatin1Char(' ')) + QLatin1Char(' ');
}

// The longest run of the first sentence's words that a keyword line would find in
// every sentence of the group, around the shared word; stop words at its ends dropped.
QString SuggestedPhrase(const QList<FallbackGroups::Sentence> &sentences, const QString &sWord, const QSet<QString> &stop)
{
    const QStringList first = FallbackGroups::Words(sentences.first().sText);
    QStringList folded;
    for (const FallbackGroups::Sentence &s : sentences)
        folded << TextFold::Folded(s.sText);
    const auto foundInAll = [&folded](const QString &sPhrase) {
        return std::all_of(folded.begin(), folded.end(), [&sPhrase](const QString &s) { return PhraseMatch::Find(s, sPhrase).has_value(); });
    };
    QStringList best{sWord};
    for (qsizetype a = 0; a < first.size(); ++a) {
        for (qsizetype b = first.size(); b > a + best.size(); --b) {
            const QStringList run = first.mid(a, b - a);
            if (run.contains(sWord) && !stop.contains(run.first()) && !stop.contains(run.last()) && foundInAll(EdgedPhrase(run))) {
                best = run;
                break;
            }
        }
    }
    return EdgedPhrase(best);
}

QString PlaceText(const FallbackGroups::Place &place, const QString &sIndex)
{
    const QString sAbove = QStringLiteral("above %1:%2 (%3, which it holds)").arg(sIndex).arg(place.nAbove).arg(Quoted(place.sAbove));
    const QString sBelow = QStringLiteral("below %1:%2 (%3, which holds it)").arg(sIndex).arg(place.nBelow).arg(Quoted(place.sBelow));
    if (place.nAbove && place.nBelow)
        return sBelow + QStringLiteral(" and ") + sAbove;
    if (place.nAbove)
        return sAbove;
    if (place.nBelow)
        return sBelow;
    return QStringLiteral("anywhere in %1: no line holds it or stands within it").arg(sIndex);
}

}  // namespace

int FallbackGroups::Group::Count() const
{
    int n = 0;
    for (const Sentence &s : sentences)
        n += s.nTimes;
    return n;
}

FallbackGroups::FallbackGroups(const QList<Sentence> &sentences, const QSet<QString> &stopWords)
{
    QList<QSet<QString>> words;
    QStringList order;  // every content word, in order of first appearance
    for (const Sentence &s : sentences) {
        words << ContentWords(s.sText, stopWords);
        for (const QString &w : Words(s.sText))
            if (words.last().contains(w) && !order.contains(w))
                order << w;
    }
    QList<bool> grouped(sentences.size(), false);
    for (QString sWord = MostShared(words, grouped, order); !sWord.isEmpty(); sWord = MostShared(words, grouped, order)) {
        Group group;
        QSet<QString> shared;
        for (qsizetype i = 0; i < sentences.size(); ++i) {
            if (grouped[i] || !words[i].contains(sWord))
                continue;
            shared = group.sentences.isEmpty() ? words[i] : shared.intersect(words[i]);
            group.sentences << sentences[i];
            grouped[i] = true;
        }
        for (const QString &w : order)
            if (shared.contains(w))
                group.words << w;
        group.sPhrase = SuggestedPhrase(group.sentences, sWord, stopWords);
        m_groups << group;
    }
    std::stable_sort(m_groups.begin(), m_groups.end(), [](const Group &a, const Group &b) { return a.Count() > b.Count(); });
    Group alone;
    for (qsizetype i = 0; i < sentences.size(); ++i)
        if (!grouped[i])
            alone.sentences << sentences[i];
    if (!alone.sentences.isEmpty())
        m_groups << alone;
}

int FallbackGroups::SentenceCount() const
{
    int n = 0;
    for (const Group &g : m_groups)
        n += g.Count();
    return n;
}

QSet<QString> FallbackGroups::StopWords()
{
    const DataFolder::Resolution file = DataFolder::Resolve(DataFolder::DataPath(QStringLiteral("stopwords.txt")));
    const std::optional<QString> text = file.sPath.isEmpty() ? std::nullopt : TextFile::ReadText(file.sPath);
    if (!text)
        return BuiltInStopWords();
    QSet<QString> words;
    for (const QStringView sLine : TextFile::SplitLines(*text))
        if (!sLine.trimmed().isEmpty() && !sLine.startsWith(u'/'))
            words.insert(TextFold::Folded(sLine.trimmed()));
    return words;
}

QSet<QString> FallbackGroups::BuiltInStopWords()
{
    static const QSet<QString> kWords = [] {
        QSet<QString> words;
        const QString sList = QStringLiteral(
            "a about after again all also am an and any are as at be because been before being both but by can can't cant could "
            "did didn't do does doesn't doing don't dont down each even for from get got had has have having he her here hers him "
            "his how i i'd i'll i'm i've if im in into is isn't it it's its just let me mine more most much my myself no nor not "
            "now of off oh ok okay on once only or other our ours out over own really same she should so some such than that "
            "that's the their them then there these they this those through to too um under until up us very was wasn't we well "
            "were what what's when where which while who why will with won't would yeah yes you you're your yours");
        for (const QString &w : sList.split(QLatin1Char(' ')))
            words.insert(w);
        return words;
    }();
    return kWords;
}

QStringList FallbackGroups::Words(const QString &sText)
{
    static const QRegularExpression kWord(QStringLiteral("[\\w']+"), QRegularExpression::UseUnicodePropertiesOption);
    QStringList words;
    for (auto it = kWord.globalMatch(TextFold::Folded(sText)); it.hasNext();)
        words << it.next().captured();
    return words;
}

FallbackGroups::Place FallbackGroups::PlaceIn(const QString &sPhrase, const QList<QStringView> &indexLines)
{
    Place place;
    const QString sNew = TextFold::Folded(sPhrase);
    for (qsizetype i = 0; i < indexLines.size() && !place.nAbove; ++i) {
        const IndexLine line = ClassifyIndexLine(indexLines[i]);
        const QString sOld = TextFold::Folded(line.sPhrase);
        if (line.kind != IndexLine::Keyword || sOld.trimmed().isEmpty())
            continue;
        if (PhraseMatch::Find(sNew, sOld)) {
            place.nAbove = int(i + 1);
            place.sAbove = sOld;
        } else if (PhraseMatch::Find(sOld, sNew)) {
            place.nBelow = int(i + 1);
            place.sBelow = sOld;
        }
    }
    return place;
}

QStringList FallbackGroups::ReportLines(const QList<QStringView> &indexLines, const QString &sIndex) const
{
    QStringList lines{QStringLiteral("sentences the fallback block answered: %1").arg(SentenceCount())};
    for (const Group &g : m_groups) {
        if (g.words.isEmpty()) {
            lines << QStringLiteral("  %1 sharing no word with another").arg(g.Count());
        } else {
            QStringList quoted;
            for (const QString &w : g.words)
                quoted << Quoted(w);
            lines << QStringLiteral("  %1 sharing %2").arg(g.Count()).arg(quoted.join(QStringLiteral(", ")));
            lines << QStringLiteral("    suggested phrase %1, a line for it %2").arg(Quoted(g.sPhrase), PlaceText(PlaceIn(g.sPhrase, indexLines), sIndex));
        }
        for (const Sentence &s : g.sentences)
            lines << QStringLiteral("    %1%2%3")
                         .arg(s.sWhere.isEmpty() ? QString() : s.sWhere + QStringLiteral(": "), Quoted(s.sText),
                              s.nTimes > 1 ? QStringLiteral(" (%1 times)").arg(s.nTimes) : QString());
    }
    return lines;
}
