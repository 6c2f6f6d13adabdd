#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QString>

// File operations beyond one record file: remove, rename in place and writing a file that is
// on the disk, not only in its cache, before it is used. Names are data-file names (see
// data_files.h); every failure throws FileError with the system's text.
namespace FileSystem {

// Removes the file; a file that is not there is no error.
void remove(const QString &name);

// Gives the file a new name, replacing a file of that name in one step: at every instant the
// new name holds either its old content or the renamed file.
void rename(const QString &from, const QString &to);

// Flushes the directory that holds the file, so that renames in it survive a power loss.
void syncDirectoryOf(const QString &name);

} // namespace FileSystem

// A new file written from the start and forced to the disk with sync(). Nothing is removed when
// the writer stops half-way: a partial file stays, under its own name, for the caller to clean.
class DurableFile
{
public:
    explicit DurableFile(const QString &name);

    void write(QByteArrayView bytes);
    void sync();

private:
    QString m_name;
    QFile m_file;
};
