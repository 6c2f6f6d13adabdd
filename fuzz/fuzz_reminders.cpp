// remind.dat: the reminders, one by one and in one pass, and the days their dates name.
#include "calendar/reminder_store.h"

#include "fuzz_support.h"

namespace {

void checkDate(QStringView text)
{
    const QDate day = reminderDate(text);
    if (day.isValid())
        Fuzz::check(day.year() >= 0 && day.year() <= 9999, "a day of a four-digit year at most");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Fuzz::WorkingFolder here;
    Fuzz::putFile(ReminderStore::fileName(), data, size);
    const ReminderStore store;
    const QList<ReminderRecord> all = store.readAll();
    Fuzz::checkOnePass(store, all, store.count(),
                       [](const ReminderRecord &one, const ReminderRecord &pass) {
                           return one.RemName == pass.RemName && one.RemDate == pass.RemDate &&
                                  one.RemNote == pass.RemNote;
                       });
    const ReminderRecord beyond = store.read(Fuzz::firstRecordBeyond(size, ReminderRecord::Length));
    Fuzz::check(beyond.RemName.isEmpty() && beyond.RemDate.isEmpty() && beyond.RemNote.isEmpty(),
                "past the end every text empty");
    for (const ReminderRecord &reminder : all)
        checkDate(reminder.RemDate);
    // The input itself as a typed date.
    checkDate(QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
