#pragma once

#include "ical_items.h"

class QIODevice;

// One iCalendar object (RFC 5545) written item by item. libical writes every content line,
// escaped and folded; only the calendar's own BEGIN and END lines are written here. An item is
// written and freed as soon as it is added, so a full appointment book never sits in memory as
// one tree of components.
class IcalStream
{
public:
    // Writes the calendar's start and its properties (PRODID, VERSION, CALSCALE).
    explicit IcalStream(QIODevice &out);

    void add(IcalComponent item);
    // Writes the calendar's end; nothing may be added after it.
    void finish();

private:
    // Writes the calendar's own property and frees it.
    void writeProperty(icalproperty *property);
    // Writes a text libical made for us and frees it.
    void writeOwned(char *text);

    QIODevice &m_out;
};
