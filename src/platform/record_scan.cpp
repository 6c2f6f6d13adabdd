#include "record_scan.h"

#include "data_files.h"
#include "file_error.h"
#include "record_file.h"

#include <QByteArray>
#include <QFile>

namespace {

// About 64 KiB a read: few calls, and a buffer the allocator keeps at hand instead of mapping
// fresh pages for every pass.
constexpr qint64 BlockBytes = 64 * 1024;

} // namespace

void scanRecords(const RecordFile &file, int limit, const RecordVisitor &visit)
{
    const int length = file.recordLength();
    QFile in(DataFiles::resolve(file.fileName()));
    if (!in.exists() || limit <= 0)
        return;
    if (!in.open(QIODevice::ReadOnly))
        throw FileError(file.fileName(), in.errorString());
    const qint64 recordsPerBlock = qMax<qint64>(1, BlockBytes / length);
    QByteArray block(recordsPerBlock * length, Qt::Uninitialized);
    int n = 0;
    while (n < limit) {
        const qint64 wanted = qMin<qint64>(recordsPerBlock, limit - n) * length;
        qint64 got = 0;
        // A read may return less than asked before the end of the file; fill the block.
        while (got < wanted) {
            const qint64 r = in.read(block.data() + got, wanted - got);
            if (r < 0)
                throw FileError(file.fileName(), in.errorString());
            if (r == 0)
                break;
            got += r;
        }
        const qint64 whole = got / length;
        for (qint64 i = 0; i < whole; ++i) {
            ++n;
            if (!visit(n, QByteArrayView(block.constData() + i * length, length)))
                return;
        }
        if (got < wanted)
            return;
    }
}
