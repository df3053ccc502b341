#include "tools/PhraseShadows.h"

#include "engine/PhraseMatch.h"

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

namespace {

struct Node {
    int parent = 0;
    char16_t c = 0;
    int depth = 0;
    int fail = 0;
    int dict = -1;        // the nearest node on the failure chain where a phrase ends
    std::vector<int> ends;  // phrases ending exactly here, topmost first
    int firstChild = -1;
    int nextSibling = -1;
};

// Children are kept as sibling lists: a phrase's own nodes are made one after
// another, so walking a phrase mostly reads neighbouring memory. The root,
// which every failed step returns to, looks its ASCII children up directly.
class Automaton {
public:
    // Phrases are given as the characters between their word edges.
    explicit Automaton(const QList<QStringView> &cores)
    {
        m_rootAscii.fill(-1);
        m_nodes.emplace_back();
        for (qsizetype i = 0; i < cores.size(); ++i) {
            int node = 0;
            for (const QChar c : cores[i])
                node = Child(node, c.unicode());
            if (node != 0)
                m_nodes[node].ends.push_back(int(i));
        }
        // Failure links level by level: a node's parent is always done before it.
        std::vector<std::vector<int>> levels;
        for (size_t v = 1; v < m_nodes.size(); ++v) {
            levels.resize(std::max<size_t>(levels.size(), size_t(m_nodes[v].depth) + 1));
            levels[m_nodes[v].depth].push_back(int(v));
        }
        for (const std::vector<int> &level : levels)
            for (const int v : level) {
                Node &node = m_nodes[v];
                if (node.depth <= 1)
                    continue;  // the root's children fail to the root
                node.fail = Step(m_nodes[node.parent].fail, node.c);
            }
        for (const std::vector<int> &level : levels)
            for (const int v : level) {
                const int fail = m_nodes[v].fail;
                m_nodes[v].dict = m_nodes[fail].ends.empty() ? m_nodes[fail].dict : fail;
            }
    }

    // The topmost phrase below `before` whose core occurs in s where
    // `fits(phrase, start, end)` holds, or INT_MAX.
    template <typename Fits>
    int FirstWithin(QStringView s, int before, const Fits &fits) const
    {
        int node = 0, first = before;
        for (qsizetype i = 0; i < s.size(); ++i) {
            node = Step(node, s[i].unicode());
            for (int v = m_nodes[node].ends.empty() ? m_nodes[node].dict : node; v > 0; v = m_nodes[v].dict)
                for (const int phrase : m_nodes[v].ends) {
                    if (phrase >= first)
                        break;
                    if (fits(phrase, i + 1 - m_nodes[v].depth, i + 1))
                        first = phrase;
                }
        }
        return first == before ? INT_MAX : first;
    }

    // Calls found(phrase, start, end) for every place a phrase's core occurs in s.
    template <typename Found>
    void ForEachWithin(QStringView s, const Found &found) const
    {
        int node = 0;
        for (qsizetype i = 0; i < s.size(); ++i) {
            node = Step(node, s[i].unicode());
            for (int v = m_nodes[node].ends.empty() ? m_nodes[node].dict : node; v > 0; v = m_nodes[v].dict)
                for (const int phrase : m_nodes[v].ends)
                    found(phrase, i + 1 - m_nodes[v].depth, i + 1);
        }
    }

private:
    int Find(int node, char16_t c) const
    {
        if (node == 0 && c < m_rootAscii.size())
            return m_rootAscii[c];
        for (int child = m_nodes[node].firstChild; child >= 0; child = m_nodes[child].nextSibling)
            if (m_nodes[child].c == c)
                return child;
        return -1;
    }

    int Child(int node, char16_t c)
    {
        const int found = Find(node, c);
        if (found >= 0)
            return found;
        const int child = int(m_nodes.size());
        m_nodes.push_back(Node{node, c, m_nodes[node].depth + 1, 0, -1, {}, -1, m_nodes[node].firstChild});
        m_nodes[node].firstChild = child;
        if (node == 0 && c < m_rootAscii.size())
            m_rootAscii[c] = child;
        return child;
    }

    int Step(int node, char16_t c) const
    {
        for (;;) {
            const int found = Find(node, c);
            if (found >= 0)
                return found;
            if (node == 0)
                return 0;
            node = m_nodes[node].fail;
        }
    }

    std::vector<Node> m_nodes;
    std::array<int, 128> m_rootAscii;
};

// Looked up for every place a phrase occurs in a word, so sets, not lists.
const QSet<QStringView> kEndings{u"s", u"es", u"ed", u"d", u"ing", u"ings", u"er", u"ers", u"est", u"ly", u"y",
                                 u"ies", u"ied", u"en", u"ness", u"less", u"ful", u"ish", u"able", u"ment", u"ist", u"ism"};
const QStringView kInflections[] = {u"s", u"es", u"ed", u"d", u"ing", u"er", u"ers", u"ly"};
const QSet<QStringView> kPrefixes{u"a", u"un", u"re", u"de", u"dis", u"pre", u"non", u"in", u"im",
                                  u"mis", u"over", u"under", u"sub", u"super", u"anti", u"co", u"out", u"up"};

bool IsWordOf(QStringView s, const QSet<QStringView> &known)
{
    return s.size() >= 3 && known.contains(s);
}

// Whether the word is the phrase (at start to end) with an ending, a prefix
// or another word joined to it, the same word in another form.
bool IsFormOf(QStringView sWord, qsizetype start, qsizetype end, const QSet<QStringView> &known)
{
    const QStringView before = sWord.first(start), after = sWord.sliced(end);
    const bool beforeFits = before.isEmpty() || kPrefixes.contains(before) || IsWordOf(before, known);
    // "sadden": a doubled last letter before the ending.
    const bool doubled = after.size() > 1 && after[0] == sWord[end - 1] && kEndings.contains(after.sliced(1));
    bool afterFits = after.isEmpty() || kEndings.contains(after) || doubled || IsWordOf(after, known);
    for (const QStringView sEnd : kInflections)
        afterFits = afterFits || (after.endsWith(sEnd) && IsWordOf(after.chopped(sEnd.size()), known));
    return beforeFits && afterFits;
}

// Drops "wonders" where "wonder" is in the list too.
QStringList WithoutInflectedForms(const QStringList &words)
{
    const QSet<QString> all(words.cbegin(), words.cend());
    QStringList kept;
    for (const QString &sWord : words) {
        const bool inflected = std::any_of(std::begin(kInflections), std::end(kInflections), [&](QStringView sEnd) {
            return sWord.endsWith(sEnd) && all.contains(sWord.chopped(sEnd.size()));
        });
        if (!inflected)
            kept << sWord;
    }
    return kept;
}

}  // namespace

QList<HidingWords> FindHidingWords(const QList<QString> &phrases, const QList<QStringView> &words, const QSet<QStringView> &known)
{
    QList<PhraseMatch::Edges> edges;
    QList<QStringView> cores;
    for (const QString &sPhrase : phrases) {
        const PhraseMatch::Edges e = PhraseMatch::EdgesOf(sPhrase);
        const QStringView core = QStringView(sPhrase).sliced(e.left, sPhrase.size() - e.left - e.right);
        const bool oneWord = !core.isEmpty() && std::none_of(core.begin(), core.end(), [](QChar c) { return PhraseMatch::IsEdge(c.unicode()); });
        edges << e;
        cores << (oneWord && !(e.left && e.right) ? core : QStringView());
    }
    const Automaton automaton(cores);
    QList<HidingWords> found(phrases.size());
    QList<QStringList> hiding(phrases.size());
    for (const QStringView sWord : words) {
        int last = -1;  // one place of a phrase is enough
        automaton.ForEachWithin(sWord, [&](int j, qsizetype start, qsizetype end) {
            if (j == last || (start > 0 && edges[j].left) || (end < sWord.size() && edges[j].right) || IsFormOf(sWord, start, end, known))
                return;
            last = j;
            if (hiding[j].isEmpty() || hiding[j].last() != sWord)
                hiding[j] << sWord.toString();
            found[j].bBefore = found[j].bBefore || start > 0;
            found[j].bAfter = found[j].bAfter || end < sWord.size();
        });
    }
    for (qsizetype j = 0; j < phrases.size(); ++j) {
        found[j].words = WithoutInflectedForms(hiding[j]);
        found[j].nWords = int(found[j].words.size());
    }
    return found;
}

QList<int> FindShadowingPhrases(const QList<QString> &phrases)
{
    QList<PhraseMatch::Edges> edges;
    QList<QStringView> cores;
    for (const QString &sPhrase : phrases) {
        const PhraseMatch::Edges e = PhraseMatch::EdgesOf(sPhrase);
        edges << e;
        cores << QStringView(sPhrase).sliced(e.left, sPhrase.size() - e.left - e.right);
    }
    const Automaton automaton(cores);
    QList<int> shadows(phrases.size(), -1);
    for (qsizetype i = 0; i < phrases.size(); ++i) {
        if (phrases[i].isEmpty())
            continue;
        const QStringView core = cores[i];
        // An earlier phrase found inside this one matches wherever this one
        // does only if each of its word edges falls on an edge character of
        // this phrase, or on one of this phrase's own word edges.
        const auto fits = [&](int j, qsizetype start, qsizetype end) {
            const bool leftOk = !edges[j].left || (start == 0 ? edges[i].left : PhraseMatch::IsEdge(core[start - 1].unicode()));
            const bool rightOk = !edges[j].right || (end == core.size() ? edges[i].right : PhraseMatch::IsEdge(core[end].unicode()));
            return leftOk && rightOk;
        };
        const int first = automaton.FirstWithin(core, int(i), fits);
        if (first < i)
            shadows[i] = first;
    }
    return shadows;
}
