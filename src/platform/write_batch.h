#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Writes that reach their files all together or not at all, whatever stops the program: the
// old bytes of every place about to change, and each file's old length, go into a journal beside
// the files and onto the disk before the first write; the journal goes once every file is on the
// disk. A journal a stopped run left behind is rolled back before the files are next used. A
// lone write inside one page of its file, which no stop can tear, needs no journal.
class WriteBatch
{
public:
    // path: where the file is; name: the file as the user knows it, for messages. A file of a
    // fixed record length is looked after (file_care.h) before its first change.
    void write(const QString &path, const QString &name, int recordLength, qint64 offset,
               const QByteArray &bytes);
    void resize(const QString &path, const QString &name, int recordLength, qint64 length);
    bool isEmpty() const { return m_files.isEmpty(); }

    // Throws FileError when a file could not be written; every file is then as it was.
    void commit() const;

    // Rolls back what a stopped commit left half done in the folder of this file.
    static void recoverBeside(const QString &path);

private:
    struct Change
    {
        qint64 offset;
        QByteArray bytes;
    };
    struct File
    {
        QString path;
        QString name;
        int recordLength = 0;
        QList<Change> writes;
        qint64 newLength = -1; // -1: the length only grows with the writes
    };
    File &fileAt(const QString &path, const QString &name, int recordLength);

    QList<File> m_files;
};
