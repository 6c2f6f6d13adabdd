#include "file_system.h"

#include "data_files.h"
#include "file_error.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#endif

namespace {

std::filesystem::path nativePath(const QString &name)
{
    return std::filesystem::path(DataFiles::resolve(name).toStdU16String());
}

QString systemText(const std::error_code &error)
{
    return QString::fromLocal8Bit(error.message());
}

bool syncHandle(int handle)
{
#if defined(Q_OS_UNIX)
    return ::fsync(handle) == 0;
#elif defined(Q_OS_WIN)
    return ::_commit(handle) == 0;
#else
    Q_UNUSED(handle);
    return true;
#endif
}

} // namespace

namespace FileSystem {

void remove(const QString &name)
{
    std::error_code error;
    std::filesystem::remove(nativePath(name), error);
    if (error)
        throw FileError(name, systemText(error));
}

void rename(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(nativePath(from), nativePath(to), error);
    if (error)
        throw FileError(from, systemText(error));
}

void syncDirectoryOf(const QString &name)
{
#ifdef Q_OS_UNIX
    const QByteArray dir = QFile::encodeName(QFileInfo(name).absolutePath());
    const int handle = ::open(dir.constData(), O_RDONLY | O_DIRECTORY);
    if (handle < 0)
        throw FileError(name, QString::fromLocal8Bit(std::strerror(errno)));
    const bool synced = syncHandle(handle);
    const int savedErrno = errno;
    ::close(handle);
    if (!synced)
        throw FileError(name, QString::fromLocal8Bit(std::strerror(savedErrno)));
#else
    Q_UNUSED(name);
#endif
}

} // namespace FileSystem

DurableFile::DurableFile(const QString &name) : m_name(name), m_file(DataFiles::resolve(name))
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FileError(m_name, m_file.errorString());
}

void DurableFile::write(QByteArrayView bytes)
{
    if (m_file.write(bytes.data(), bytes.size()) != bytes.size())
        throw FileError(m_name, m_file.errorString());
}

void DurableFile::sync()
{
    if (!m_file.flush())
        throw FileError(m_name, m_file.errorString());
    if (!syncHandle(m_file.handle()))
        throw FileError(m_name, QString::fromLocal8Bit(std::strerror(errno)));
}
