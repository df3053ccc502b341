#include "tools/PhraseShadows.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

struct Node {
    int parent = 0;
    char16_t c = 0;
    int depth = 0;
    int fail = 0;
    int first = INT_MAX;  // topmost phrase ending here, or by any suffix of it
};

class Automaton {
public:
    explicit Automaton(const QList<QString> &phrases)
    {
        m_nodes.emplace_back();
        for (qsizetype i = 0; i < phrases.size(); ++i) {
            int node = 0;
            for (const QChar c : phrases[i])
                node = Child(node, c.unicode());
            if (node != 0)
                m_nodes[node].first = std::min(m_nodes[node].first, int(i));
        }
        // Failure links level by level: a node's parent is always done before it.
        std::vector<int> order(m_nodes.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return m_nodes[a].depth < m_nodes[b].depth; });
        for (const int v : order) {
            Node &node = m_nodes[v];
            if (node.depth <= 1)
                continue;  // the root and its children fail to the root
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
    static quint64 Key(int node, char16_t c) { return (quint64(node) << 16) | c; }

    int Child(int node, char16_t c)
    {
        const auto it = m_children.constFind(Key(node, c));
        if (it != m_children.cend())
            return *it;
        const int child = int(m_nodes.size());
        m_nodes.push_back(Node{node, c, m_nodes[node].depth + 1, 0, INT_MAX});
        m_children.insert(Key(node, c), child);
        return child;
    }

    int Step(int node, char16_t c) const
    {
        for (;;) {
            const auto it = m_children.constFind(Key(node, c));
            if (it != m_children.cend())
                return *it;
            if (node == 0)
                return 0;
            node = m_nodes[node].fail;
        }
    }

    std::vector<Node> m_nodes;
    QHash<quint64, int> m_children;
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
