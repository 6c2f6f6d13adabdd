#include "appointment_events.h"

#include "export_source.h"
#include "ical_stream.h"

#include "calendar/appointment_store.h"
#include "calendar/time_slots.h"
#include "settings/preference_files.h"

#include "platform/blanks.h"
#include "platform/stored_text.h"
#include "platform/working_date.h"

#include <QSet>

namespace {

// Records 1 and 2 hold the placeholders a new file starts with.
constexpr int FirstDayRecord = 3;

// The day a stored key names, when it is a key the book writes and finds: month/day/year with
// no leading zeros and a four-digit year, blanks around it ignored. Else an invalid date.
QDate dayOfKey(const QString &storedKey)
{
    const QString key = trimBlanks(shownText(storedKey));
    const QDate day = WorkingDate::fromText(key);
    if (!day.isValid() || day.year() < 1000 || WorkingDate::toText(day) != key)
        return {};
    return day;
}

// The first hour of the time list, as the appointments window numbers its rows. A folder
// without setup.dat gets one with the start hour "9" when the program starts.
int firstHour()
{
    if (!PreferenceFiles::setupExists())
        return TimeSlots::firstHour(u"9");
    return TimeSlots::firstHour(PreferenceFiles::readSetup().StartHour);
}

bool isBlankText(const QString &text)
{
    return text.trimmed().isEmpty();
}

// The summary of a day's event: the note's first line that says something.
QString firstLine(const QString &note)
{
    const QStringList lines = note.split(u'\n');
    for (const QString &line : lines) {
        if (!isBlankText(line))
            return line.trimmed();
    }
    return QString();
}

} // namespace

int writeAppointmentEvents(IcalStream &out)
{
    const AppointmentStore store;
    const ExportSource source(AppointmentStore::dayFileName());
    const int hour = firstHour();
    QSet<QDate> days;
    int written = 0;
    store.scanDays([&](int position, const AppointmentRecord &record) {
        if (position < FirstDayRecord)
            return true;
        const QDate day = dayOfKey(record.DayKey);
        if (!day.isValid() || days.contains(day))
            return true; // a later record of the same day is never found by the book
        days.insert(day);
        for (int slot = 0; slot < AppointmentRecord::SlotCount; ++slot) {
            const QString note = shownText(record.SlotNote.at(slot));
            if (isBlankText(note))
                continue;
            IcalComponent event =
                IcalItems::item(ICAL_VEVENT_COMPONENT, source, position,
                                QStringLiteral("slot/") + QString::number(slot + 1));
            IcalItems::addFloatingSpan(event.get(), day, TimeSlots::slotStart(hour, slot),
                                       TimeSlots::SlotMinutes);
            IcalItems::addText(event.get(), icalproperty_new_summary, note);
            out.add(std::move(event));
            ++written;
        }
        const QString dayNote = shownText(record.DayNote);
        if (!isBlankText(dayNote)) {
            IcalComponent event = IcalItems::item(ICAL_VEVENT_COMPONENT, source, position, u"note");
            IcalItems::addWholeDay(event.get(), day);
            IcalItems::addText(event.get(), icalproperty_new_summary, firstLine(dayNote));
            IcalItems::addText(event.get(), icalproperty_new_description, dayNote);
            out.add(std::move(event));
            ++written;
        }
        return true;
    });
    return written;
}
