#include "record_file.h"

#include "data_files.h"
#include "file_error.h"

#include <QFile>
#include <QSaveFile>

RecordFile::RecordFile(const QString &fileName, int recordLength)
    : m_fileName(fileName), m_recordLength(recordLength)
{
    Q_ASSERT(recordLength > 0);
}

QString RecordFile::path() const
{
    return DataFiles::resolve(m_fileName);
}

bool RecordFile::exists() const
{
    return DataFiles::exists(m_fileName);
}

int RecordFile::count() const
{
    const QFile file(path());
    if (!file.exists())
        return 0;
    return int(file.size() / m_recordLength);
}

Record RecordFile::read(int n) const
{
    Q_ASSERT(n >= 1);
    Record record(m_recordLength);
    QFile file(path());
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
    QFile file(path());
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

void RecordFile::write(int n, const Record &record) const
{
    Q_ASSERT(n >= 1);
    Q_ASSERT(record.length() == m_recordLength);
    QFile file(path());
    // ReadWrite creates a missing file and never truncates an existing one.
    if (!file.open(QIODevice::ReadWrite))
        throw FileError(m_fileName, file.errorString());
    if (!file.seek(qint64(n - 1) * m_recordLength))
        throw FileError(m_fileName, file.errorString());
    if (file.write(record.bytes()) != m_recordLength || !file.flush())
        throw FileError(m_fileName, file.errorString());
}

void RecordFile::create(const QList<Record> &records) const
{
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(m_fileName, file.errorString());
    for (const Record &record : records) {
        Q_ASSERT(record.length() == m_recordLength);
        if (file.write(record.bytes()) != m_recordLength)
            throw FileError(m_fileName, file.errorString());
    }
    if (!file.commit())
        throw FileError(m_fileName, file.errorString());
}
