#pragma once

#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a folder of its own, where an input becomes a data file for
// the stores to read as the program does, and checks of what the stores promise.
namespace Fuzz {

// While it lives, the working directory is the targets' folder, as the data folder is the
// program's. It is given back after each input, so libFuzzer finds its corpus and writes its
// findings where it was told to.
class WorkingFolder
{
public:
    WorkingFolder();
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

private:
    QString m_previous;
};

// The input, byte for byte, as the whole of the data file `name` in the targets' folder.
void putFile(const QString &name, const uint8_t *data, size_t size);
QString pathOf(const QString &name);

// The first record number with none of its bytes in a file of that size.
inline int firstRecordBeyond(size_t size, int recordLength)
{
    return int((size + size_t(recordLength) - 1) / size_t(recordLength)) + 1;
}

// Stops the run, so that libFuzzer keeps the input, when a promise does not hold.
void check(bool holds, const char *promise);

// What a store promises of its one pass over the file: the records it counts, each as reading
// it alone gives.
template <typename Store, typename Node, typename Same>
void checkOnePass(const Store &store, const QList<Node> &all, qsizetype counted, Same same)
{
    check(all.size() == counted, "one pass reads the records counted");
    for (int n = 1; n <= all.size(); ++n)
        check(same(store.read(n), all.at(n - 1)), "one pass reads as one by one");
}

} // namespace Fuzz
