#include "note_file.h"

namespace {

constexpr int RecNoAt = 0;
constexpr int KeyAt = 2;
constexpr int TextAt = 42;

} // namespace

NoteRecord NoteRecord::fromRecord(const Record &record)
{
    NoteRecord note;
    note.RecNo = record.int16(RecNoAt);
    note.NoteKey = record.shownText(KeyAt, KeyWidth);
    note.NoteText = record.shownText(TextAt, TextWidth);
    return note;
}

Record NoteRecord::toRecord() const
{
    Record record(Length);
    record.setInt16(RecNoAt, RecNo);
    record.setShownText(KeyAt, KeyWidth, NoteKey);
    record.setShownText(TextAt, TextWidth, NoteText);
    return record;
}

NoteFile::NoteFile() : m_file(QStringLiteral("note.dat"), NoteRecord::Length) {}

NoteRecord NoteFile::placeholder(int n)
{
    NoteRecord note;
    note.RecNo = qint16(n);
    note.NoteText = QStringLiteral(" ");
    return note;
}

void NoteFile::notecreate() const
{
    m_file.create({placeholder(1).toRecord(), placeholder(2).toRecord()});
}

QList<NoteRecord> NoteFile::readAll() const
{
    const QList<Record> records = m_file.readAll();
    const qsizetype whole = m_file.count();
    QList<NoteRecord> notes;
    notes.reserve(whole);
    for (qsizetype i = 0; i < whole && i < records.size(); ++i)
        notes.append(NoteRecord::fromRecord(records.at(i)));
    return notes;
}
