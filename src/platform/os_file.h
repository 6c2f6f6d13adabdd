#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// A file opened by the system's own calls, so that every failure carries the system's text
// ("No space left on device") and nothing is cached between the program and the disk. Closed
// when it goes. Failures throw FileError under the name the user knows the file by.
class OsFile
{
public:
    enum class Mode { Read, ReadWrite }; // ReadWrite creates a missing file, never truncates

    OsFile(const QString &path, const QString &name, Mode mode);
    ~OsFile();
    OsFile(const OsFile &) = delete;
    OsFile &operator=(const OsFile &) = delete;

    // false when the file is not there (for Mode::Read), instead of a FileError.
    static bool exists(const QString &path);

    qint64 size() const;
    // Up to length bytes at offset; fewer at the end of the file.
    QByteArray readAt(qint64 offset, qint64 length) const;
    void writeAt(qint64 offset, QByteArrayView bytes);
    void resize(qint64 length);
    void sync();

private:
    [[noreturn]] void fail() const;

    QString m_name;
    int m_handle = -1;
};

// Points in the program's writes where a test may stop it, as a kill would.
namespace WriteFaults {

enum class Step {
    BeforeWrite, // a write is about to start
    HalfWritten, // a write across a page's end reached that end and no further
    Synced,      // a file was forced to the disk
    Renamed,     // a file took another's name
};
using Hook = std::function<void(Step)>;
// With a hook set, a write across a page's end goes out in two parts with the hook between.
void setHook(Hook hook);
void reach(Step step);
bool splitsWrites();

} // namespace WriteFaults
