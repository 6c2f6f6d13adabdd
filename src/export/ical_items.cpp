#include "ical_items.h"

#include "export_source.h"

#include <QDateTime>

namespace {

icaltimetype dateOf(QDate day)
{
    icaltimetype time = icaltime_null_date();
    time.year = day.year();
    time.month = day.month();
    time.day = day.day();
    return time;
}

// A time with no zone: floating.
icaltimetype floatingOf(const QDateTime &at)
{
    icaltimetype time = icaltime_null_time();
    time.year = at.date().year();
    time.month = at.date().month();
    time.day = at.date().day();
    time.hour = at.time().hour();
    time.minute = at.time().minute();
    time.second = at.time().second();
    return time;
}

icaltimetype utcOf(const QDateTime &at)
{
    return icaltime_from_timet_with_zone(time_t(at.toSecsSinceEpoch()), 0,
                                         icaltimezone_get_utc_timezone());
}

} // namespace

namespace IcalItems {

IcalComponent create(icalcomponent_kind kind)
{
    return IcalComponent(icalcomponent_new(kind));
}

IcalComponent item(icalcomponent_kind kind, const ExportSource &source, int record,
                   QStringView part)
{
    IcalComponent component = create(kind);
    icalcomponent_add_property(component.get(),
                               icalproperty_new_uid(source.uid(record, part).toUtf8().constData()));
    icalcomponent_add_property(component.get(), icalproperty_new_dtstamp(utcOf(source.changed())));
    return component;
}

void addText(icalcomponent *to, icalproperty *(*property)(const char *), const QString &text)
{
    icalcomponent_add_property(to, property(text.toUtf8().constData()));
}

void addFloatingSpan(icalcomponent *to, QDate day, QTime start, int minutes)
{
    // Plain clock arithmetic: no zone, so no daylight saving step.
    const QDateTime from(day, start, Qt::UTC);
    icalcomponent_add_property(to, icalproperty_new_dtstart(floatingOf(from)));
    icalcomponent_add_property(to, icalproperty_new_dtend(floatingOf(from.addSecs(minutes * 60))));
}

void addWholeDay(icalcomponent *to, QDate day)
{
    icalcomponent_add_property(to, icalproperty_new_dtstart(dateOf(day)));
    icalcomponent_add_property(to, icalproperty_new_dtend(dateOf(day.addDays(1))));
}

} // namespace IcalItems
