#include "os_file.h"

#include "file_error.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

WriteFaults::Hook &hook()
{
    static WriteFaults::Hook installed;
    return installed;
}

} // namespace

namespace WriteFaults {

void setHook(Hook installed)
{
    hook() = std::move(installed);
}

void reach(Step step)
{
    if (hook())
        hook()(step);
}

bool splitsWrites()
{
    return bool(hook());
}

} // namespace WriteFaults

OsFile::OsFile(const QString &path, const QString &name, Mode mode) : m_name(name)
{
    const QByteArray native = QFile::encodeName(path);
    const int flags = mode == Mode::Read ? O_RDONLY : O_RDWR | O_CREAT;
    do {
        m_handle = ::open(native.constData(), flags | O_CLOEXEC, 0666);
    } while (m_handle < 0 && errno == EINTR);
    if (m_handle < 0)
        fail();
}

OsFile::~OsFile()
{
    if (m_handle >= 0)
        ::close(m_handle);
}

bool OsFile::exists(const QString &path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

void OsFile::fail() const
{
    throw FileError(m_name, QString::fromLocal8Bit(std::strerror(errno)));
}

qint64 OsFile::size() const
{
    struct stat info
    {
    };
    if (::fstat(m_handle, &info) != 0)
        fail();
    return info.st_size;
}

QByteArray OsFile::readAt(qint64 offset, qint64 length) const
{
    QByteArray bytes(length, Qt::Uninitialized);
    qint64 got = 0;
    while (got < length) {
        const ssize_t n = ::pread(m_handle, bytes.data() + got, size_t(length - got), offset + got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail();
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

void OsFile::writeAt(qint64 offset, QByteArrayView bytes)
{
    WriteFaults::reach(WriteFaults::Step::BeforeWrite);
    const auto writeAll = [this](qint64 at, const char *data, qint64 length) {
        while (length > 0) {
            const ssize_t n = ::pwrite(m_handle, data, size_t(length), at);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                fail();
            at += n;
            data += n;
            length -= n;
        }
    };
    // A stop tears a write only where a page of the file ends, as the system's own writes do.
    constexpr qint64 PageSize = 4096;
    const qint64 pageEnd = (offset / PageSize + 1) * PageSize;
    if (WriteFaults::splitsWrites() && offset + bytes.size() > pageEnd) {
        const qint64 first = pageEnd - offset;
        writeAll(offset, bytes.data(), first);
        WriteFaults::reach(WriteFaults::Step::HalfWritten);
        writeAll(pageEnd, bytes.data() + first, bytes.size() - first);
    } else {
        writeAll(offset, bytes.data(), bytes.size());
    }
}

void OsFile::resize(qint64 length)
{
    int result = 0;
    do {
        result = ::ftruncate(m_handle, length);
    } while (result != 0 && errno == EINTR);
    if (result != 0)
        fail();
}

void OsFile::sync()
{
    if (::fsync(m_handle) != 0)
        fail();
    WriteFaults::reach(WriteFaults::Step::Synced);
}
