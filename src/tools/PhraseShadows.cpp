#include "tools/PhraseShadows.h"

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

// Child links (node, character) -> node in one open-addressed table: the
// automaton of a large index has millions of them.
class ChildTable {
public:
    ChildTable() { Grow(); }

    int Find(quint64 key) const
    {
        for (size_t i = Slot(key);; i = (i + 1) & m_mask) {
            if (m_slots[i].value < 0)
                return -1;
            if (m_slots[i].key == key)
                return m_slots[i].value;
        }
    }

    void Insert(quint64 key, int value)
    {
        if (2 * (m_nUsed + 1) > m_slots.size())
            Grow();
        size_t i = Slot(key);
        while (m_slots[i].value >= 0)
            i = (i + 1) & m_mask;
        m_slots[i] = {key, value};
        ++m_nUsed;
    }

private:
    struct Entry {
        quint64 key = 0;
        int value = -1;
    };

    size_t Slot(quint64 key) const { return size_t((key * 0x9E3779B97F4A7C15ull) >> 20) & m_mask; }

    void Grow()
    {
        std::vector<Entry> old(std::max<size_t>(64, 2 * m_slots.size()));
        old.swap(m_slots);
        m_mask = m_slots.size() - 1;
        m_nUsed = 0;
        for (const Entry &e : old)
            if (e.value >= 0)
                Insert(e.key, e.value);
    }

    std::vector<Entry> m_slots;
    size_t m_mask = 0;
    size_t m_nUsed = 0;
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
    static quint64 Key(int node, char16_t c) { return (quint64(node) << 16) | c; }

    int Child(int node, char16_t c)
    {
        const int found = m_children.Find(Key(node, c));
        if (found >= 0)
            return found;
        const int child = int(m_nodes.size());
        m_nodes.push_back(Node{node, c, m_nodes[node].depth + 1, 0, INT_MAX});
        m_children.Insert(Key(node, c), child);
        return child;
    }

    int Step(int node, char16_t c) const
    {
        for (;;) {
            const int found = m_children.Find(Key(node, c));
            if (found >= 0)
                return found;
            if (node == 0)
                return 0;
            node = m_nodes[node].fail;
        }
    }

    std::vector<Node> m_nodes;
    ChildTable m_children;
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
