#include "list_order.h"

#include <algorithm>
#include <vector>

QStringList sortedAsListBox(const QStringList &entries)
{
    // Fold each entry once; comparing folded keys is far cheaper than folding per comparison.
    struct Key
    {
        QString folded;
        qsizetype index;
    };
    std::vector<Key> keys;
    keys.reserve(size_t(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i)
        keys.push_back({entries.at(i).toCaseFolded(), i});
    std::stable_sort(keys.begin(), keys.end(),
                     [](const Key &a, const Key &b) { return a.folded < b.folded; });
    QStringList sorted;
    sorted.reserve(entries.size());
    for (const Key &key : keys)
        sorted.append(entries.at(key.index));
    return sorted;
}
