#include "tree_store.h"

#include "platform/record.h"

namespace {

constexpr int RecNoOffset = 0, IndexOffset = 2, KindOffset = 4, KeyOffset = 44, LabelOffset = 84,
              ImgOffset = 124, NoteOffset = 126, HideShowOffset = 1626;

TreeRecord fromRecord(const Record &r)
{
    TreeRecord node;
    node.RecNo = r.int16(RecNoOffset);
    node.treeindex = r.int16(IndexOffset);
    node.treekind = r.shownText(KindOffset, TreeRecord::KindWidth);
    node.Key = r.shownText(KeyOffset, TreeRecord::KeyWidth);
    node.Textimg = r.shownText(LabelOffset, TreeRecord::LabelWidth);
    node.Img = r.int16(ImgOffset);
    node.Note = r.shownText(NoteOffset, TreeRecord::NoteWidth);
    node.HideShow = r.int16(HideShowOffset);
    return node;
}

Record toRecord(int n, const TreeRecord &node)
{
    Record r(TreeRecord::Length);
    r.setInt16(RecNoOffset, qint16(n));
    r.setInt16(IndexOffset, node.treeindex);
    r.setText(KindOffset, TreeRecord::KindWidth, node.treekind);
    r.setText(KeyOffset, TreeRecord::KeyWidth, node.Key);
    r.setText(LabelOffset, TreeRecord::LabelWidth, node.Textimg);
    r.setInt16(ImgOffset, node.Img);
    r.setShownText(NoteOffset, TreeRecord::NoteWidth, node.Note);
    r.setInt16(HideShowOffset, node.HideShow);
    return r;
}

} // namespace

int TreeRecord::kind() const
{
    const QString text = treekind.trimmed();
    qsizetype digits = 0;
    while (digits < text.size() && text.at(digits).isDigit())
        ++digits;
    return digits == 0 ? 0 : text.left(qMin<qsizetype>(digits, 5)).toInt();
}

TreeStore::TreeStore() : m_file(QStringLiteral("tree.dat"), TreeRecord::Length) {}

TreeRecord TreeStore::root()
{
    TreeRecord node;
    node.treekind = QStringLiteral("0");
    node.Key = QStringLiteral("r");
    node.Textimg = QStringLiteral("Todo List");
    node.Img = 1;
    return node;
}

void TreeStore::createFile() const
{
    m_file.create({toRecord(1, root())});
}

TreeRecord TreeStore::read(int n) const
{
    return fromRecord(m_file.read(n));
}

QList<TreeRecord> TreeStore::readAll() const
{
    const int n = count();
    const QList<Record> records = m_file.readAll();
    QList<TreeRecord> nodes;
    nodes.reserve(n);
    for (int i = 0; i < n; ++i)
        nodes.append(fromRecord(records.at(i)));
    return nodes;
}

QList<int> TreeOutline::parents(const QList<TreeRecord> &nodes)
{
    const int n = int(nodes.size());
    constexpr int None = 0;
    // The parent a node's record names, None for the root, a top-level node or a parent that is
    // not a record of the file.
    const auto stored = [&](int r) {
        const TreeRecord &node = nodes.at(r - 1);
        if (r == 1 || !node.isSubCategory())
            return None;
        const int p = node.treeindex;
        return p >= 1 && p <= n && p != r ? p : None;
    };

    // Follows each chain of stored parents once: a chain that comes back to a node on itself
    // has found a loop, and every node on the loop goes under the root.
    enum State : char { Unvisited, OnPath, Done };
    QList<State> state(n + 1, Unvisited);
    QList<bool> onLoop(n + 1, false);
    QList<int> path;
    for (int r = 1; r <= n; ++r) {
        path.clear();
        int x = r;
        while (x != None && state.at(x) == Unvisited) {
            state[x] = OnPath;
            path.append(x);
            x = stored(x);
        }
        if (x != None && state.at(x) == OnPath) {
            for (qsizetype i = path.indexOf(x); i < path.size(); ++i)
                onLoop[path.at(i)] = true;
        }
        for (int walked : std::as_const(path))
            state[walked] = Done;
    }

    QList<int> parents(n + 1, Top);
    for (int r = 2; r <= n; ++r) {
        if (nodes.at(r - 1).isSubCategory()) {
            const int p = stored(r);
            parents[r] = p == None || onLoop.at(r) ? 1 : p;
        }
    }

    // These parents hold no loop, so each chain up to the top is walked once and what it finds
    // is kept for every node on it.
    enum Shown : char { Unknown, Yes, No };
    QList<Shown> shown(n + 1, Unknown);
    if (n >= 1)
        shown[1] = Yes;
    for (int r = 2; r <= n; ++r) {
        path.clear();
        int x = r;
        while (x != Top && shown.at(x) == Unknown) {
            if (nodes.at(x - 1).HideShow == 1) {
                shown[x] = No;
                break;
            }
            path.append(x);
            x = parents.at(x);
        }
        const Shown found = x == Top ? Yes : shown.at(x);
        for (int walked : std::as_const(path))
            shown[walked] = found;
    }

    QList<int> result;
    result.reserve(n);
    for (int r = 1; r <= n; ++r)
        result.append(shown.at(r) == Yes ? parents.at(r) : Hidden);
    return result;
}

void TreeStore::write(int n, const TreeRecord &node) const
{
    m_file.write(n, toRecord(n, node));
}
