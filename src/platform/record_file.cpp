#include "record_file.h"

#include "data_files.h"
#include "file_care.h"
#include "file_error.h"
#include "whole_file.h"

#include <QFile>
#include <QFileInfo>

void RecordFile::checkRecordNumber(int n) const
{
    // Records count from 1; a window whose load failed may still ask for record 0.
    if (n < 1)
        throw FileError(m_fileName, QStringLiteral("Bad record number"));
}

RecordFile::RecordFile(const QString &fileName, int recordLength, Lookup lookup, Shape shape)
    : m_fileName(fileName), m_recordLength(recordLength), m_lookup(lookup), m_shape(shape)
{
    Q_ASSERT(recordLength > 0);
}

QString RecordFile::path() const
{
    return m_lookup == Lookup::DataFile ? DataFiles::resolve(m_fileName) : m_fileName;
}

int RecordFile::caredLength() const
{
    return m_shape == Shape::Records ? m_recordLength : 0;
}

QString RecordFile::usablePath() const
{
    const QString found = path();
    WriteBatch::recoverBeside(found);
    return found;
}

bool RecordFile::exists() const
{
    const QFileInfo file(usablePath());
    return file.isFile() && file.size() > 0;
}

int RecordFile::count() const
{
    const QFile file(usablePath());
    if (!file.exists())
        return 0;
    return int(file.size() / m_recordLength);
}

Record RecordFile::read(int n) const
{
    checkRecordNumber(n);
    Record record(m_recordLength);
    QFile file(usablePath());
    if (!file.exists())
        return record;
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(m_fileName, file.errorString());
    const qint64 offset = qint64(n - 1) * m_recordLength;
    if (offset >= file.size())
        return record;
    if (!file.seek(offset))
        throw FileError(m_fileName, file.errorString());
    const QByteArray bytes = file.read(m_recordLength);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        throw FileError(m_fileName, file.errorString());
    record.setRaw(0, bytes);
    return record;
}

QList<Record> RecordFile::readAll() const
{
    QList<Record> records;
    QFile file(usablePath());
    if (!file.exists())
        return records;
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(m_fileName, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(m_fileName, file.errorString());
    records.reserve(bytes.size() / m_recordLength + 1);
    for (qsizetype at = 0; at < bytes.size(); at += m_recordLength) {
        Record record(m_recordLength);
        record.setRaw(0, bytes.mid(at, m_recordLength));
        records.append(record);
    }
    return records;
}

int RecordFile::scan(int first, const std::function<bool(int n, QByteArrayView bytes)> &visit) const
{
    Q_ASSERT(first >= 1);
    QFile file(usablePath());
    if (!file.exists())
        return 0;
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(m_fileName, file.errorString());
    const int total = int(file.size() / m_recordLength);
    if (first > total)
        return total;
    if (!file.seek(qint64(first - 1) * m_recordLength))
        throw FileError(m_fileName, file.errorString());
    // Large reads keep the pass sequential without holding the whole file in memory.
    const int perChunk = qMax(1, (256 * 1024) / m_recordLength);
    QByteArray chunk;
    for (int n = first; n <= total;) {
        const int want = qMin(perChunk, total - n + 1);
        chunk.resize(qsizetype(want) * m_recordLength);
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0)
            throw FileError(m_fileName, file.errorString());
        const int whole = int(got / m_recordLength);
        if (whole == 0)
            break; // the file shrank under us: what is left is not a whole record
        for (int i = 0; i < whole; ++i, ++n) {
            if (!visit(n, QByteArrayView(chunk.constData() + qsizetype(i) * m_recordLength,
                                         m_recordLength)))
                return total;
        }
    }
    return total;
}

void RecordFile::write(int n, const Record &record) const
{
    WriteBatch batch;
    stage(batch, n, record);
    batch.commit();
}

void RecordFile::write(const QList<QPair<int, Record>> &records) const
{
    WriteBatch batch;
    for (const auto &[n, record] : records)
        stage(batch, n, record);
    batch.commit();
}

void RecordFile::stage(WriteBatch &batch, int n, const Record &record) const
{
    checkRecordNumber(n);
    Q_ASSERT(record.length() == m_recordLength);
    batch.write(usablePath(), m_fileName, caredLength(), qint64(n - 1) * m_recordLength,
                record.bytes());
}

void RecordFile::create(const QList<Record> &records) const
{
    const QString target = usablePath();
    FileCare::beforeChange(target, m_fileName, caredLength());
    QByteArray bytes;
    bytes.reserve(qsizetype(records.size()) * m_recordLength);
    for (const Record &record : records) {
        Q_ASSERT(record.length() == m_recordLength);
        bytes += record.bytes();
    }
    writeWholeFile(target, m_fileName, bytes);
}
