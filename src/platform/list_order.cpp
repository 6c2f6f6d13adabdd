#include "list_order.h"

#include <algorithm>
#include <numeric>
#include <vector>

QStringList sortedAsListBox(const QStringList &entries)
{
    // Fold each entry once and sort positions, not strings: comparing folded keys is far
    // cheaper than folding in every comparison.
    QStringList folded;
    folded.reserve(entries.size());
    for (const QString &entry : entries)
        folded.append(entry.toCaseFolded());
    std::vector<qsizetype> order(size_t(entries.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(),
                     [&folded](qsizetype a, qsizetype b) { return folded.at(a) < folded.at(b); });
    QStringList sorted;
    sorted.reserve(entries.size());
    for (const qsizetype i : order)
        sorted.append(entries.at(i));
    return sorted;
}
