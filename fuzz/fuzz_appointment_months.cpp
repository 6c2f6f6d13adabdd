// cal.dat: the month records with their red cells, their lookups by key and their round trip.
#include "calendar/appointment_store.h"
#include "platform/record_file.h"

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Fuzz::WorkingFolder here;
    Fuzz::putFile(AppointmentStore::monthFileName(), data, size);
    const AppointmentStore store;
    const int count = store.monthCount();
    Fuzz::check(count == int(size / MonthRecord::Length), "whole records counted");
    const QList<Record> records =
        RecordFile(AppointmentStore::monthFileName(), MonthRecord::Length).readAll();
    const int beyond = Fuzz::firstRecordBeyond(size, MonthRecord::Length);
    Fuzz::check(store.readMonth(beyond).toRecord().isZero(), "past the end zero bytes");
    for (int n = 1; n <= count; ++n) {
        const MonthRecord month = store.readMonth(n);
        Fuzz::check(month.toRecord().bytes() == records.at(n - 1).bytes(),
                    "a month keeps its bytes");
        // Record 1 is a placeholder that lookups pass over.
        const AppointmentStore::Lookup found = store.findMonth(month.MonthKey);
        if (n >= 2) {
            Fuzz::check(found.match && found.position >= 2 && found.position <= n,
                        "a stored month is found at or before its record");
            Fuzz::check(AppointmentKeys::same(found.key, month.MonthKey), "the key found matches");
        }
    }
    store.findMonth(u"7/1997");
    return 0;
}
