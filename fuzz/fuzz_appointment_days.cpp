// appoint.dat and temp.dat: the day records, their lookups by key and their round trip.
#include "calendar/appointment_store.h"
#include "platform/record_file.h"

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Fuzz::WorkingFolder here;
    Fuzz::putFile(AppointmentStore::dayFileName(), data, size);
    Fuzz::putFile(AppointmentStore::tempFileName(), data, size);
    const AppointmentStore store;
    const int count = store.dayCount();
    Fuzz::check(count == int(size / AppointmentRecord::Length), "whole records counted");
    Fuzz::check(store.tempCount() == count, "temp.dat counted as appoint.dat");

    const QList<Record> records =
        RecordFile(AppointmentStore::dayFileName(), AppointmentRecord::Length).readAll();
    for (int n = 1; n <= count + 1; ++n) {
        const AppointmentRecord day = store.readDay(n);
        Fuzz::check(day.SlotNote.size() == AppointmentRecord::SlotCount, "every slot read");
        Fuzz::check(store.readTemp(n).DayKey == day.DayKey, "temp.dat read as appoint.dat");
        if (n > count)
            break;
        // Read and written back, a record keeps its bytes; only the reserved fields become 0.
        Record stored = records.at(n - 1);
        AppointmentRecord::renumber(stored, day.RecNo);
        Fuzz::check(day.toRecord().bytes() == stored.bytes(), "a day keeps its bytes");

        // Record 1 is a placeholder that lookups pass over.
        if (n >= 2) {
            const AppointmentStore::Lookup found = store.findDay(day.DayKey);
            Fuzz::check(found.match && found.position >= 2 && found.position <= n,
                        "a stored day is found at or before its record");
            Fuzz::check(AppointmentKeys::same(found.key, day.DayKey), "the key found matches");
        }
    }
    store.findDay(u"7/4/1997");
    return 0;
}
