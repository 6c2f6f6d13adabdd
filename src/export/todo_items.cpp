#include "todo_items.h"

#include "export_source.h"
#include "ical_stream.h"

#include "notes/tree_store.h"

#include <QHash>
#include <QSet>

namespace {

constexpr int RootRecord = 1;
constexpr int TopLevel = 0, Child = 4;

// The nodes the outline shows, as the to-do window loads them: in record order, leaving out a
// deleted node and all below it, a child whose parent is not shown (the parent always comes
// first) and a second node of a key already shown. Maps each shown record to its parent's, 0
// for a top-level node.
QHash<int, int> shownNodes(const QList<TreeRecord> &nodes)
{
    QHash<int, int> parents;
    QSet<QString> keys;
    for (int n = 1; n <= nodes.size(); ++n) {
        const TreeRecord &node = nodes.at(n - 1);
        if (n != RootRecord && node.HideShow == 1)
            continue;
        if (!node.Key.isEmpty() && keys.contains(node.Key))
            continue;
        const int kind = node.kind();
        if (kind == Child && parents.contains(node.treeindex))
            parents.insert(n, node.treeindex);
        else if (kind == TopLevel)
            parents.insert(n, 0);
        else
            continue;
        if (!node.Key.isEmpty())
            keys.insert(node.Key);
    }
    return parents;
}

} // namespace

int writeTodoItems(IcalStream &out)
{
    const TreeStore store;
    const ExportSource source(QStringLiteral("tree.dat"));
    const QList<TreeRecord> nodes = store.readAll();
    const QHash<int, int> parents = shownNodes(nodes);
    // The window saves no node without a label: one without is a damaged record.
    const auto exported = [&](int n) {
        return n != RootRecord && parents.contains(n) &&
               !nodes.at(n - 1).Textimg.trimmed().isEmpty();
    };
    int written = 0;
    for (int n = RootRecord + 1; n <= nodes.size(); ++n) {
        if (!exported(n))
            continue;
        const TreeRecord &node = nodes.at(n - 1);
        IcalComponent todo = IcalItems::item(ICAL_VTODO_COMPONENT, source, n);
        IcalItems::addText(todo.get(), icalproperty_new_summary, node.Textimg);
        if (!node.Note.trimmed().isEmpty())
            IcalItems::addText(todo.get(), icalproperty_new_description, node.Note);
        const int parent = parents.value(n);
        if (exported(parent))
            IcalItems::addText(todo.get(), icalproperty_new_relatedto, source.uid(parent));
        out.add(std::move(todo));
        ++written;
    }
    return written;
}
