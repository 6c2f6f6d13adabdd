#include "fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "fuzz: %s %s\n", what, qPrintable(detail));
    std::abort();
}

// In memory where the system has a folder there: every input is written and read, and on a
// disk file system shortening a file can wait for the device.
QString folderTemplate()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return QDir(base).filePath(QStringLiteral("velmora-fuzz-XXXXXX"));
}

const QTemporaryDir &folder()
{
    static const QTemporaryDir dir(folderTemplate());
    if (!dir.isValid())
        fail("no folder for the data files:", dir.errorString());
    return dir;
}

} // namespace

namespace Fuzz {

WorkingFolder::WorkingFolder() : m_previous(QDir::currentPath())
{
    if (!QDir::setCurrent(folder().path()))
        fail("cannot work in", folder().path());
}

WorkingFolder::~WorkingFolder()
{
    QDir::setCurrent(m_previous);
}

QString pathOf(const QString &name)
{
    return folder().filePath(name);
}

void putFile(const QString &name, const uint8_t *data, size_t size)
{
    QFile file(pathOf(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        fail("cannot write", name);
}

void check(bool holds, const char *promise)
{
    if (!holds)
        fail("broken promise:", QString::fromUtf8(promise));
}

} // namespace Fuzz
