#include "list_order.h"

#include <algorithm>
#include <cstring>
#include <vector>

QStringList sortedAsListBox(const QStringList &entries)
{
    // Every entry folded to one letter case and kept as big-endian UTF-16 in one block: memcmp
    // on those bytes orders as the folded texts do, and the block keeps the sort in the cache.
    struct Key
    {
        qsizetype offset;
        qsizetype size;
        qsizetype index;
    };
    std::vector<Key> keys;
    keys.reserve(size_t(entries.size()));
    qsizetype total = 0;
    for (const QString &entry : entries)
        total += entry.size() * 2;
    QByteArray block(total, Qt::Uninitialized);
    uchar *to = reinterpret_cast<uchar *>(block.data());
    qsizetype offset = 0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString &entry = entries.at(i);
        for (const QChar ch : entry) {
            const char16_t c = ch.unicode();
            // ASCII folds by arithmetic; the rest by the Unicode tables, one unit at a time.
            const char16_t folded =
                c < 0x80 ? (c >= u'A' && c <= u'Z' ? c + 32 : c) : QChar::toCaseFolded(c);
            *to++ = uchar(folded >> 8);
            *to++ = uchar(folded & 0xff);
        }
        keys.push_back({offset, entry.size() * 2, i});
        offset += entry.size() * 2;
    }
    const char *bytes = block.constData();
    // Equal keys keep the order in which the entries came.
    std::sort(keys.begin(), keys.end(), [bytes](const Key &a, const Key &b) {
        const int c = std::memcmp(bytes + a.offset, bytes + b.offset, size_t(qMin(a.size, b.size)));
        if (c != 0)
            return c < 0;
        return a.size != b.size ? a.size < b.size : a.index < b.index;
    });
    QStringList sorted;
    sorted.reserve(entries.size());
    for (const Key &key : keys)
        sorted.append(entries.at(key.index));
    return sorted;
}
