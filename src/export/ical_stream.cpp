#include "ical_stream.h"

#include <QIODevice>

IcalStream::IcalStream(QIODevice &out) : m_out(out)
{
    m_out.write("BEGIN:VCALENDAR\r\n");
    writeProperty(icalproperty_new_prodid("-//Velmora//Velmora 1.0//EN"));
    writeProperty(icalproperty_new_version("2.0"));
    writeProperty(icalproperty_new_calscale("GREGORIAN"));
}

void IcalStream::add(IcalComponent item)
{
    writeOwned(icalcomponent_as_ical_string_r(item.get()));
}

void IcalStream::finish()
{
    m_out.write("END:VCALENDAR\r\n");
}

void IcalStream::writeProperty(icalproperty *property)
{
    writeOwned(icalproperty_as_ical_string_r(property));
    icalproperty_free(property);
}

void IcalStream::writeOwned(char *text)
{
    if (!text)
        return;
    m_out.write(text);
    icalmemory_free_buffer(text);
}
