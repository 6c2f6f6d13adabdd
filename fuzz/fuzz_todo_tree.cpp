// tree.dat: the to-do nodes and where the outline shows each of them.
#include "notes/tree_store.h"

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Fuzz::WorkingFolder here;
    Fuzz::putFile(QStringLiteral("tree.dat"), data, size);
    const TreeStore store;
    const QList<TreeRecord> nodes = store.readAll();
    Fuzz::checkOnePass(store, nodes, store.count(),
                       [](const TreeRecord &one, const TreeRecord &pass) {
                           return one.treeindex == pass.treeindex && one.Note == pass.Note;
                       });

    const QList<int> parents = TreeOutline::parents(nodes);
    const int count = int(nodes.size());
    Fuzz::check(parents.size() == count, "a place for every node");
    if (count >= 1)
        Fuzz::check(parents.at(0) == TreeOutline::Top, "the root at the top");
    for (int r = 1; r <= count; ++r) {
        const int parent = parents.at(r - 1);
        if (parent == TreeOutline::Hidden) {
            Fuzz::check(r != 1, "the root is shown");
            continue;
        }
        Fuzz::check(nodes.at(r - 1).HideShow != 1 || r == 1, "a deleted node is hidden");
        if (!nodes.at(r - 1).isSubCategory() || r == 1)
            Fuzz::check(parent == TreeOutline::Top, "categories at the top");
        // Up from every shown node through shown nodes to the top, in fewer steps than nodes.
        int at = r;
        for (int steps = 0; at != TreeOutline::Top; ++steps) {
            Fuzz::check(steps < count, "no loop of parents");
            Fuzz::check(at >= 1 && at <= count, "a parent is a record");
            at = parents.at(at - 1);
            Fuzz::check(at != TreeOutline::Hidden, "a shown node's parent is shown");
        }
    }
    return 0;
}
