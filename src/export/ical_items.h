#pragma once

#include <libical/ical.h>

#include <QDate>
#include <QString>
#include <QTime>

#include <memory>

class ExportSource;

// The small part of libical the export needs: components that free themselves, and the
// properties every exported item carries, built from Qt values.

struct IcalComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using IcalComponent = std::unique_ptr<icalcomponent, IcalComponentFree>;

namespace IcalItems {

// A new VEVENT, VTODO or VALARM.
IcalComponent create(icalcomponent_kind kind);

// A VEVENT or VTODO with the UID of its record (and part) and its file's last change as DTSTAMP.
IcalComponent item(icalcomponent_kind kind, const ExportSource &source, int record,
                   QStringView part = {});

// A property of one text value (SUMMARY, DESCRIPTION, RELATED-TO ...); libical escapes it.
void addText(icalcomponent *to, icalproperty *(*property)(const char *), const QString &text);

// Slot events keep floating time: the clock time the book shows, with no time zone, since the
// record files keep none; a calendar shows it at that clock time wherever it runs.
void addFloatingSpan(icalcomponent *to, QDate day, QTime start, int minutes);

// DTSTART;VALUE=DATE of the day and DTEND of the next: the whole day, and only that day.
void addWholeDay(icalcomponent *to, QDate day);

} // namespace IcalItems
