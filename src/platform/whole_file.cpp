#include "whole_file.h"

#include "file_error.h"
#include "os_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

QString systemText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

void syncFolderOf(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int handle = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return; // a folder that cannot be opened cannot be synced either; the data is written
    ::fsync(handle);
    ::close(handle);
}

void writeWholeFile(const QString &path, const QString &name, QByteArrayView bytes)
{
    const QString next = path + QLatin1String(NewFileSuffix);
    try {
        {
            OsFile file(next, name, OsFile::Mode::ReadWrite);
            file.resize(0);
            file.writeAt(0, bytes);
            file.sync();
            // A full disk can take the writes into the cache and still not keep them.
            if (file.size() != bytes.size())
                throw FileError(name, QStringLiteral("the file could not be written whole"));
        }
        if (std::rename(QFile::encodeName(next).constData(), QFile::encodeName(path).constData()) !=
            0)
            throw FileError(name, systemText());
        WriteFaults::reach(WriteFaults::Step::Renamed);
        syncFolderOf(path);
    } catch (const FileError &) {
        ::unlink(QFile::encodeName(next).constData());
        throw;
    }
}
