#include "reminder_events.h"

#include "export_source.h"
#include "ical_stream.h"

#include "calendar/reminder_store.h"

namespace {

// A display alarm when the reminder's day begins, saying its name.
IcalComponent alarmAtStart(const QString &name)
{
    IcalComponent alarm = IcalItems::create(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(alarm.get(), icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icalcomponent_add_property(alarm.get(), icalproperty_new_trigger(icaltriggertype_from_int(0)));
    IcalItems::addText(alarm.get(), icalproperty_new_description, name);
    return alarm;
}

} // namespace

int writeReminderEvents(IcalStream &out)
{
    const ReminderStore store;
    const ExportSource source(ReminderStore::fileName());
    const QList<ReminderRecord> reminders = store.readAll();
    int written = 0;
    for (int i = 0; i < reminders.size(); ++i) {
        const ReminderRecord &reminder = reminders.at(i);
        const QString &name = reminder.RemName;
        const QDate day = reminderDate(reminder.RemDate);
        if (name.trimmed().isEmpty() || !day.isValid())
            continue;
        IcalComponent event = IcalItems::item(ICAL_VEVENT_COMPONENT, source, i + 1);
        IcalItems::addWholeDay(event.get(), day);
        IcalItems::addText(event.get(), icalproperty_new_summary, name);
        if (!reminder.RemNote.trimmed().isEmpty())
            IcalItems::addText(event.get(), icalproperty_new_description, reminder.RemNote);
        icalcomponent_add_component(event.get(), alarmAtStart(name).release());
        out.add(std::move(event));
        ++written;
    }
    return written;
}
