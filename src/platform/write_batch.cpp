#include "write_batch.h"

#include "file_care.h"
#include "file_error.h"
#include "os_file.h"
#include "whole_file.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {

constexpr qint64 PageSize = 4096;
const QByteArray Magic("velmora journal 1\n");
const QString JournalName = QStringLiteral(".velmora-journal");

QString journalBeside(const QString &path)
{
    return QFileInfo(path).dir().filePath(JournalName);
}

// What a file held before the commit changed it.
struct Before
{
    QString path;
    QString name;
    bool existed = false;
    qint64 length = 0;
    QList<QPair<qint64, QByteArray>> places; // offset, the old bytes there (short at the end)
};

QByteArray journalOf(const QList<Before> &files)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << quint32(files.size());
    for (const Before &file : files) {
        out << file.path << file.name << file.existed << file.length << quint32(file.places.size());
        for (const auto &[offset, bytes] : file.places)
            out << offset << bytes;
    }
    return Magic + payload + QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
}

// The files of a journal; false when it is not whole, so no file was touched yet.
bool readJournal(const QByteArray &journal, QList<Before> &files)
{
    constexpr int HashLength = 32;
    if (!journal.startsWith(Magic) || journal.size() < Magic.size() + HashLength)
        return false;
    const QByteArray payload =
        journal.mid(Magic.size(), journal.size() - Magic.size() - HashLength);
    if (QCryptographicHash::hash(payload, QCryptographicHash::Sha256) != journal.right(HashLength))
        return false;
    QDataStream in(payload);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 count = 0;
    in >> count;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        Before file;
        quint32 places = 0;
        in >> file.path >> file.name >> file.existed >> file.length >> places;
        for (quint32 p = 0; p < places && in.status() == QDataStream::Ok; ++p) {
            qint64 offset = 0;
            QByteArray bytes;
            in >> offset >> bytes;
            file.places.append({offset, bytes});
        }
        files.append(file);
    }
    return in.status() == QDataStream::Ok;
}

void putBack(const QList<Before> &files)
{
    for (const Before &before : files) {
        if (!before.existed) {
            // A file the stopped action began is not left behind, not even empty.
            if (::unlink(QFile::encodeName(before.path).constData()) != 0 && errno != ENOENT)
                throw FileError(before.name, QString::fromLocal8Bit(std::strerror(errno)));
            continue;
        }
        OsFile file(before.path, before.name, OsFile::Mode::ReadWrite);
        for (const auto &[offset, bytes] : before.places) {
            if (!bytes.isEmpty())
                file.writeAt(offset, bytes);
        }
        file.resize(before.length);
        file.sync();
    }
}

void removeJournal(const QString &journal)
{
    if (::unlink(QFile::encodeName(journal).constData()) != 0 && errno != ENOENT)
        throw FileError(QFileInfo(journal).fileName(),
                        QString::fromLocal8Bit(std::strerror(errno)));
    syncFolderOf(journal);
    WriteFaults::reach(WriteFaults::Step::Synced);
}

bool onePage(qint64 offset, qint64 length)
{
    return length > 0 && offset / PageSize == (offset + length - 1) / PageSize;
}

} // namespace

WriteBatch::File &WriteBatch::fileAt(const QString &path, const QString &name, int recordLength)
{
    for (File &file : m_files) {
        if (file.path == path)
            return file;
    }
    m_files.append({path, name, recordLength, {}, -1});
    return m_files.last();
}

void WriteBatch::write(const QString &path, const QString &name, int recordLength, qint64 offset,
                       const QByteArray &bytes)
{
    fileAt(path, name, recordLength).writes.append({offset, bytes});
}

void WriteBatch::resize(const QString &path, const QString &name, int recordLength, qint64 length)
{
    fileAt(path, name, recordLength).newLength = length;
}

void WriteBatch::commit() const
{
    if (m_files.isEmpty())
        return;
    for (const File &file : m_files)
        FileCare::beforeChange(file.path, file.name, file.recordLength);

    QList<Before> before;
    for (const File &file : m_files) {
        Before kept{file.path, file.name, OsFile::exists(file.path), 0, {}};
        if (kept.existed) {
            const OsFile old(file.path, file.name, OsFile::Mode::Read);
            kept.length = old.size();
            for (const Change &change : file.writes)
                kept.places.append({change.offset, old.readAt(change.offset, change.bytes.size())});
            if (file.newLength >= 0 && file.newLength < kept.length)
                kept.places.append({file.newLength, old.readAt(file.newLength, kept.length)});
        }
        before.append(kept);
    }

    // A lone write that stays in one page of its file cannot be torn.
    const File &first = m_files.constFirst();
    const bool lone =
        m_files.size() == 1 && first.writes.size() == 1 && first.newLength < 0 &&
        onePage(first.writes.constFirst().offset, first.writes.constFirst().bytes.size());
    const QString journal = journalBeside(first.path);
    // Said under the name of the file the user saves, whose folder holds the journal.
    if (!lone) {
        try {
            writeWholeFile(journal, first.name, journalOf(before));
        } catch (const FileError &) {
            // No file was touched yet: a journal that took its name goes again.
            ::unlink(QFile::encodeName(journal).constData());
            throw;
        }
    }

    try {
        for (const File &file : m_files) {
            OsFile out(file.path, file.name, OsFile::Mode::ReadWrite);
            for (const Change &change : file.writes)
                out.writeAt(change.offset, change.bytes);
            if (file.newLength >= 0)
                out.resize(file.newLength);
            out.sync();
            // A full disk can report a write done that did not grow the file.
            qint64 wanted = file.newLength;
            if (wanted < 0) {
                wanted = 0;
                for (const Change &change : file.writes)
                    wanted = qMax(wanted, change.offset + change.bytes.size());
            }
            if (out.size() < wanted)
                throw FileError(file.name, QStringLiteral("No space left on device"));
        }
    } catch (const FileError &) {
        // Everything back as it was; what cannot be put back now the journal does at next use.
        try {
            putBack(before);
            if (!lone)
                removeJournal(journal);
        } catch (const FileError &) {
        }
        throw;
    }
    if (lone)
        return;
    try {
        removeJournal(journal);
    } catch (const FileError &) {
        // A journal that stays would undo the action at the next use: undo it now, and say so.
        try {
            putBack(before);
            removeJournal(journal);
        } catch (const FileError &) {
        }
        throw;
    }
}

void WriteBatch::recoverBeside(const QString &path)
{
    const QString journal = journalBeside(path);
    // A file a stopped run was writing whole never took its name: it is no file of the program.
    for (const QString &unfinished :
         {path + QLatin1String(NewFileSuffix), journal + QLatin1String(NewFileSuffix)}) {
        if (OsFile::exists(unfinished))
            ::unlink(QFile::encodeName(unfinished).constData());
    }
    if (!OsFile::exists(journal))
        return;
    const OsFile file(journal, JournalName, OsFile::Mode::Read);
    QList<Before> files;
    // A journal that is not whole was being written when the run stopped: nothing else was.
    if (readJournal(file.readAt(0, file.size()), files))
        putBack(files);
    removeJournal(journal);
}
