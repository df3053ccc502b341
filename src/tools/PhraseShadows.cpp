#include "tools/PhraseShadows.h"

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
    int first = INT_MAX;  // topmost phrase ending here, or at any suffix of it
    int firstChild = -1;
    int nextSibling = -1;
};

// Children are kept as sibling lists: a phrase's own nodes are made one after
// another, so walking a phrase mostly reads neighbouring memory. The root,
// which every failed step returns to, looks its ASCII children up directly.
class Automaton {
public:
    explicit Automaton(const QList<QString> &phrases)
    {
        m_rootAscii.fill(-1);
        m_nodes.emplace_back();
        for (qsizetype i = 0; i < phrases.size(); ++i) {
            int node = 0;
            for (const QChar c : phrases[i])
                node = Child(node, c.unicode());
            if (node != 0)
                m_nodes[node].first = std::min(m_nodes[node].first, int(i));
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
                node.first = std::min(node.first, m_nodes[node.fail].first);
            }
    }

    // The topmost phrase occurring anywhere in s.
    int FirstWithin(const QString &s) const
    {
        int node = 0, first = INT_MAX;
        for (const QChar c : s) {
            node = Step(node, c.unicode());
            first = std::min(first, m_nodes[node].first);
        }
        return first;
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
        m_nodes.push_back(Node{node, c, m_nodes[node].depth + 1, 0, INT_MAX, -1, m_nodes[node].firstChild});
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
    const Automaton automaton(phrases);
    QList<int> shadows(phrases.size(), -1);
    for (qsizetype i = 0; i < phrases.size(); ++i) {
        if (phrases[i].isEmpty())
            continue;
        const int first = automaton.FirstWithin(phrases[i]);
        if (first < i)
            shadows[i] = first;
    }
    return shadows;
}
