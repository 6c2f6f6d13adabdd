#pragma once

#include "platform/record.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>

// A day of appoint.dat (and of temp.dat, its previous copy): 24 half-hour slot notes and a day
// note under the day's key, month/day/year. Texts are kept exactly as stored, padding and
// never-written zero bytes included, so a record read and written back keeps its bytes.
struct AppointmentRecord
{
    static constexpr int Length = 2968;
    static constexpr int KeyWidth = 20;
    static constexpr int SlotCount = 24;
    static constexpr int SlotWidth = 60;
    static constexpr int NoteWidth = 1500;

    qint16 RecNo = 0;
    QString DayKey;
    QStringList SlotNote = QStringList(SlotCount, QString()); // slot k + 1 at index k
    QString DayNote;

    static AppointmentRecord fromRecord(const Record &record);
    // The reserved fields are written as 0.
    Record toRecord() const;

    // Records 1 and 2 of a new file: their key never equals a day's key.
    static Record placeholder(int n);
    // The key field within a record's bytes.
    static QByteArrayView keyBytes(QByteArrayView record);
    // Record n as a copy holds it: its own number, reserved fields 0, everything else kept.
    static void renumber(Record &record, int n);
};

// A month of cal.dat: which grid cells of the month hold a day that has a record. Cell 0 has
// no flag.
struct MonthRecord
{
    static constexpr int Length = 104;
    static constexpr int KeyWidth = 20;
    static constexpr int FlagCount = 41;

    qint16 RecNo = 0;
    QString MonthKey;
    std::array<qint16, FlagCount + 1> DayFlags{}; // by grid cell, 1 ... 41; [0] is never stored

    static MonthRecord fromRecord(const Record &record);
    Record toRecord() const;

    bool hasFlag(int cell) const { return cell >= 1 && cell <= FlagCount; }
    // Sets the cell's flag; a cell without a flag is left alone.
    void setFlag(int cell, qint16 value);

    static Record placeholder(int n);
    static QByteArrayView keyBytes(QByteArrayView record);
};

namespace AppointmentKeys {

// Keys are equal when they match without regard to letter case once leading and trailing
// spaces are gone.
bool same(QStringView stored, QStringView wanted);

// The same test on a stored field's bytes, for scans over many records: wanted is prepared once.
class Matcher
{
public:
    explicit Matcher(QStringView wanted);
    bool matches(QByteArrayView storedField) const;

private:
    QString m_wanted;
    QByteArray m_wantedBytes;
};

} // namespace AppointmentKeys
