#include "appointment_records.h"

#include "platform/blanks.h"

#include "platform/cp1252.h"

namespace {

// Field offsets of a day record.
constexpr int DayRecNo = 0;
constexpr int DayReserved1 = 2;
constexpr int DayKeyAt = 4;
constexpr int DayReserved2 = 24;
constexpr int DayReserved3 = 26;
constexpr int SlotNotesAt = 28;
constexpr int DayNoteAt = SlotNotesAt + AppointmentRecord::SlotCount * AppointmentRecord::SlotWidth;
static_assert(DayNoteAt + AppointmentRecord::NoteWidth == AppointmentRecord::Length);

// Field offsets of a month record.
constexpr int MonthRecNo = 0;
constexpr int MonthKeyAt = 2;
constexpr int FlagsAt = 22; // flag of cell j at FlagsAt + 2 * (j - 1)
static_assert(FlagsAt + 2 * MonthRecord::FlagCount == MonthRecord::Length);

constexpr uchar asciiLower(uchar c)
{
    return c >= 'A' && c <= 'Z' ? uchar(c - 'A' + 'a') : c;
}

} // namespace

AppointmentRecord AppointmentRecord::fromRecord(const Record &record)
{
    AppointmentRecord day;
    day.RecNo = record.int16(DayRecNo);
    day.DayKey = record.text(DayKeyAt, KeyWidth);
    for (int k = 0; k < SlotCount; ++k)
        day.SlotNote[k] = record.text(SlotNotesAt + k * SlotWidth, SlotWidth);
    day.DayNote = record.text(DayNoteAt, NoteWidth);
    return day;
}

Record AppointmentRecord::toRecord() const
{
    Record record(Length);
    record.setInt16(DayRecNo, RecNo);
    record.setText(DayKeyAt, KeyWidth, DayKey);
    for (int k = 0; k < SlotCount; ++k)
        record.setText(SlotNotesAt + k * SlotWidth, SlotWidth, SlotNote.value(k));
    record.setText(DayNoteAt, NoteWidth, DayNote);
    return record;
}

Record AppointmentRecord::placeholder(int n)
{
    Record record(Length);
    record.setInt16(DayRecNo, qint16(n));
    record.setInt16(DayReserved1, qint16(n));
    record.setText(DayKeyAt, KeyWidth, u"10/12/96");
    record.setInt16(DayReserved2, 9);
    record.setInt16(DayReserved3, 9);
    return record;
}

QByteArrayView AppointmentRecord::keyBytes(QByteArrayView record)
{
    return record.sliced(DayKeyAt, KeyWidth);
}

void AppointmentRecord::renumber(Record &record, int n)
{
    record.setInt16(DayRecNo, qint16(n));
    record.setInt16(DayReserved1, 0);
    record.setInt16(DayReserved2, 0);
    record.setInt16(DayReserved3, 0);
}

MonthRecord MonthRecord::fromRecord(const Record &record)
{
    MonthRecord month;
    month.RecNo = record.int16(MonthRecNo);
    month.MonthKey = record.text(MonthKeyAt, KeyWidth);
    for (int j = 1; j <= FlagCount; ++j)
        month.DayFlags[j] = record.int16(FlagsAt + 2 * (j - 1));
    return month;
}

Record MonthRecord::toRecord() const
{
    Record record(Length);
    record.setInt16(MonthRecNo, RecNo);
    record.setText(MonthKeyAt, KeyWidth, MonthKey);
    for (int j = 1; j <= FlagCount; ++j)
        record.setInt16(FlagsAt + 2 * (j - 1), DayFlags[j]);
    return record;
}

QByteArrayView MonthRecord::keyBytes(QByteArrayView record)
{
    return record.sliced(MonthKeyAt, KeyWidth);
}

void MonthRecord::setFlag(int cell, qint16 value)
{
    if (hasFlag(cell))
        DayFlags[cell] = value;
}

Record MonthRecord::placeholder(int n)
{
    Record record(Length);
    record.setInt16(MonthRecNo, qint16(n));
    record.setText(MonthKeyAt, KeyWidth, u"10/12/1997");
    return record;
}

namespace AppointmentKeys {

bool same(QStringView stored, QStringView wanted)
{
    return trimBlanks(stored).compare(trimBlanks(wanted), Qt::CaseInsensitive) == 0;
}

Matcher::Matcher(QStringView wanted)
    : m_wanted(trimBlanks(wanted).toString()), m_wantedBytes(Cp1252::encode(m_wanted))
{}

bool Matcher::matches(QByteArrayView storedField) const
{
    // One byte is one character: a trimmed field of another length never matches, and ASCII
    // bytes compare without decoding.
    const QByteArrayView stored = trimBlanks(storedField);
    if (stored.size() != m_wantedBytes.size())
        return false;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const uchar a = uchar(stored[i]);
        const uchar b = uchar(m_wantedBytes[i]);
        if (a == b)
            continue;
        if (a >= 0x80 || b >= 0x80) // letters beyond ASCII: let the full comparison decide
            return same(Cp1252::decode(stored), m_wanted);
        if (asciiLower(a) != asciiLower(b))
            return false;
    }
    return true;
}

} // namespace AppointmentKeys
