#pragma once

#include "platform/record.h"
#include "platform/record_file.h"

#include <QList>
#include <QString>

// One free note of note.dat: a title and up to 300 characters of text.
struct NoteRecord
{
    static constexpr int Length = 342;
    static constexpr int KeyWidth = 40;
    static constexpr int TextWidth = 300;

    qint16 RecNo = 0;
    // As the boxes show them (stored_text.h).
    QString NoteKey;
    QString NoteText;

    static NoteRecord fromRecord(const Record &record);
    Record toRecord() const;
};

// note.dat. A new file holds two blank placeholder notes; deleting a note blanks its record, so
// record numbers never change.
class NoteFile
{
public:
    NoteFile();

    bool exists() const { return m_file.exists(); }
    // Writes a new file with the two placeholders.
    void notecreate() const;
    int count() const { return m_file.count(); }
    NoteRecord read(int n) const { return NoteRecord::fromRecord(m_file.read(n)); }
    // The first count() records, in one pass.
    QList<NoteRecord> readAll() const;
    void write(int n, const NoteRecord &note) const { m_file.write(n, note.toRecord()); }

    static NoteRecord placeholder(int n);

private:
    RecordFile m_file;
};
