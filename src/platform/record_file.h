#pragma once

#include "record.h"
#include "write_batch.h"

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

// A file of fixed-length records, record n (from 1) at byte (n - 1) * length, no header. Each
// operation opens the file, does its one read, write or count and closes it again. Failures
// throw FileError with the system's text; a failed write leaves the file as it was. Writes
// survive any stop whole or not at all (write_batch.h); before a file is used, what a stopped
// write left half done is rolled back.
class RecordFile
{
public:
    // How the name finds the file: a data file of the program is found whatever its letter
    // case on disk; a path the user chose names exactly the file it spells.
    enum class Lookup { DataFile, ExactPath };

    // A file of records, or one that holds a single record only: its readers may take it with
    // different lengths and whatever follows the record is kept, so its length tells nothing of
    // damage.
    enum class Shape { Records, OneRecord };

    RecordFile(const QString &fileName, int recordLength, Lookup lookup = Lookup::DataFile,
               Shape shape = Shape::Records);

    QString fileName() const { return m_fileName; }
    int recordLength() const { return m_recordLength; }

    // The existence test: true when the file is on disk (for a data file, whatever its letter
    // case there). A file of no bytes holds nothing and counts as missing.
    bool exists() const;

    // File length divided by the record length, a partial last record dropped; no file is 0.
    int count() const;

    // Record n; past the end it reads as zero bytes, a partial last record padded with zeros.
    Record read(int n) const;

    // Every whole record and a partial last one (padded), in one sequential read.
    QList<Record> readAll() const;

    // Visits the bytes of the whole records from record first on, in order, in one sequential
    // read, until visit returns false. The bytes are only valid during the call. Returns count().
    int scan(int first, const std::function<bool(int n, QByteArrayView bytes)> &visit) const;

    // One positioned write of the whole record; n = count() + 1 appends.
    void write(int n, const Record &record) const;
    // Adds the write of record n to a batch that lands with others or not at all.
    void stage(WriteBatch &batch, int n, const Record &record) const;
    // Writes these records, numbered, all together or not at all.
    void write(const QList<QPair<int, Record>> &records) const;

    // Replaces the file with these records. The old file stays whole until the new one is.
    void create(const QList<Record> &records) const;

private:
    // The file's path, with what a stopped write left beside it rolled back.
    QString usablePath() const;
    // The record length a damaged file is told by; 0 for a file of one record.
    int caredLength() const;
    QString path() const;
    void checkRecordNumber(int n) const;

    QString m_fileName;
    int m_recordLength;
    Lookup m_lookup;
    Shape m_shape;
};
