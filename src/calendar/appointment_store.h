#pragma once

#include "appointment_records.h"

#include <QString>

#include <functional>

// The appointment book on disk: appoint.dat (days), cal.dat (months with their red cells) and
// temp.dat (appoint.dat as it was before the last delete). Records 1 and 2 of appoint.dat and
// cal.dat are placeholders; a record never changes its number. Every operation opens its file,
// reads or writes it and closes it before returning; lookups read their file in one pass.
class AppointmentStore
{
public:
    static QString dayFileName();   // "appoint.dat"
    static QString monthFileName(); // "cal.dat"
    static QString tempFileName();  // "temp.dat"
    // Where a delete builds the next appoint.dat, and notes what it has decided to do.
    static QString newDayFileName();
    static QString deleteNoteName();

    // Creates appoint.dat and cal.dat with their placeholders when missing, after finishing or
    // undoing a delete that was stopped half-way.
    void open() const;

    int dayCount() const;
    int monthCount() const;
    int tempCount() const;

    struct Lookup
    {
        int position = 1; // the record found, 1 when none
        bool match = false;
        QString key; // the key of the record found, as stored
    };
    // The first record from 2 on whose key equals the day's key (m/d/yyyy).
    Lookup findDay(QStringView dayKey) const;
    // The first month record from 2 on whose key equals the month's key (m/yyyy).
    Lookup findMonth(QStringView monthKey) const;

    AppointmentRecord readDay(int position) const;
    // Visits every whole day record from record 1 on, in one sequential read, until visit
    // returns false.
    void
    scanDays(const std::function<bool(int position, const AppointmentRecord &day)> &visit) const;
    AppointmentRecord readTemp(int position) const;
    void writeDay(int position, const AppointmentRecord &day) const;
    MonthRecord readMonth(int position) const;
    void writeMonth(int position, const MonthRecord &month) const;

    // What saving a day writes.
    struct DayEntry
    {
        QString dayKey;   // m/d/yyyy
        QString monthKey; // m/yyyy
        int cell = 0;     // grid cell of the day; cell 0 has no flag
        int slot = -1;    // the slot note just entered, 0 ... 23; -1: none
        QString slotNote;
        QString dayNote;
    };
    struct Saved
    {
        int position = 0;      // the day's record
        int monthPosition = 0; // the month's record
        bool dayFound = false;
        bool monthFound = false;
    };
    // Flags the day's cell in its month record (rewritten or appended), then rewrites the day's
    // record in place or appends it. Slot notes not entered keep their text; a new day's other
    // slots are blank.
    Saved saveDay(const DayEntry &entry) const;

    struct Deleted
    {
        bool erased = false; // false: no record there, nothing changed
        int tempCount = 0;   // records of the previous appoint.dat
    };
    // Removes day record `position`: the new appoint.dat keeps every other record at its number,
    // the removed one as zero bytes (or the file ends before it when it was the last), and
    // temp.dat holds the previous file. Then the cell's flag of month record monthPosition is
    // cleared. Position 1 (no record selected) does nothing. The new file is complete on disk
    // before it replaces the old one; a failure leaves appoint.dat as it was.
    Deleted deleteDay(int position, int monthPosition, int cell) const;

    // The points of a delete at which a stop is survived; tests stop there.
    enum class DeleteStep {
        NewFileHalfWritten,
        NewFileWritten,
        NewFileSynced,
        TempRemoved,
        OldFileRenamed,
        NewFileRenamed,
        MonthUpdated,
    };
    static constexpr int DeleteStepCount = 7;
    void setDeleteStepHook(std::function<void(DeleteStep)> hook) { m_stepHook = std::move(hook); }

private:
    void step(DeleteStep at) const;
    void recoverDelete() const;
    void clearMonthFlag(int monthPosition, int cell) const;

    std::function<void(DeleteStep)> m_stepHook;
};
