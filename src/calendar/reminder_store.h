#pragma once

#include "platform/record.h"
#include <QDate>

#include <QList>
#include <QString>
#include <QStringView>

// remind.dat: one 2062-byte record a reminder.
struct ReminderRecord
{
    static constexpr int Length = 2062;
    static constexpr int NameWidth = 40;
    static constexpr int DateWidth = 20;
    static constexpr int NoteWidth = 2000;

    qint16 RecNo = 0;
    // As the boxes show them (stored_text.h).
    QString RemName;
    QString RemDate; // as typed: "12/5/97"
    QString RemNote;
};

// The day a reminder's date names: month/day/year, with a two-digit year yy meaning 20yy or a
// four-digit one, leading zeros allowed ("09/05/2026" is "9/5/26"), blanks around it ignored.
// Any other text names no day: the date is invalid.
QDate reminderDate(QStringView text);

// The reminder file in the working directory. Each call opens, reads or writes, and closes it.
class ReminderStore
{
public:
    // Record numbers are 16-bit: records past this one are never listed or written.
    static constexpr int MaxRecords = 32767;

    static QString fileName();

    bool exists() const;
    // Records 1 and 2, each with its number and a name of eleven blanks, the rest zero bytes.
    void createremind() const;
    // Whole records, at most MaxRecords.
    int count() const;
    // Past the end a record reads as zero bytes: every text empty.
    ReminderRecord read(int n) const;
    // The first count() records.
    QList<ReminderRecord> readAll() const;
    // Writes the record as number n; its RecNo is n.
    void write(int n, const ReminderRecord &reminder) const;
    // Each reminder after n moves down one place over it; the last place is rewritten from a
    // read past the end, so it holds a blank reminder and the file keeps its length.
    void removeByShifting(int n, int count) const;

private:
    static Record toRecord(int n, const ReminderRecord &reminder);
};
