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

}  // namespace

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
