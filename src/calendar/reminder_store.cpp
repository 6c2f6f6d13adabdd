#include "reminder_store.h"

#include "platform/blanks.h"
#include "platform/record_file.h"

#include <QRegularExpression>

namespace {

constexpr int RecNoAt = 0, NameAt = 2, DateAt = 42, NoteAt = 62;

RecordFile file()
{
    return RecordFile(ReminderStore::fileName(), ReminderRecord::Length);
}

ReminderRecord fromRecord(const Record &r)
{
    ReminderRecord reminder;
    reminder.RecNo = r.int16(RecNoAt);
    reminder.RemName = r.shownText(NameAt, ReminderRecord::NameWidth);
    reminder.RemDate = r.shownText(DateAt, ReminderRecord::DateWidth);
    reminder.RemNote = r.shownText(NoteAt, ReminderRecord::NoteWidth);
    return reminder;
}

} // namespace

QDate reminderDate(QStringView text)
{
    static const QRegularExpression monthDayYear(
        QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{2}|[0-9]{4})$"));
    const QRegularExpressionMatch match = monthDayYear.match(trimBlanks(text));
    if (!match.hasMatch())
        return {};
    const QStringView year = match.capturedView(3);
    // A day that does not exist (2/30/26) gives an invalid date.
    return QDate(year.toInt() + (year.size() == 2 ? 2000 : 0), match.capturedView(1).toInt(),
                 match.capturedView(2).toInt());
}

QString ReminderStore::fileName()
{
    return QStringLiteral("remind.dat");
}

bool ReminderStore::exists() const
{
    return file().exists();
}

void ReminderStore::createremind() const
{
    QList<Record> records;
    for (qint16 n = 1; n <= 2; ++n) {
        Record r(ReminderRecord::Length);
        r.setInt16(RecNoAt, n);
        r.setText(NameAt, ReminderRecord::NameWidth, QStringLiteral("           "));
        records.append(r);
    }
    file().create(records);
}

int ReminderStore::count() const
{
    return qMin(file().count(), MaxRecords);
}

ReminderRecord ReminderStore::read(int n) const
{
    return fromRecord(file().read(n));
}

QList<ReminderRecord> ReminderStore::readAll() const
{
    QList<ReminderRecord> reminders;
    file().scan(1, [&reminders](int n, QByteArrayView bytes) {
        if (n > MaxRecords)
            return false;
        Record r(ReminderRecord::Length);
        r.setRaw(0, bytes.toByteArray());
        reminders.append(fromRecord(r));
        return true;
    });
    return reminders;
}

void ReminderStore::write(int n, const ReminderRecord &reminder) const
{
    file().write(n, toRecord(n, reminder));
}

Record ReminderStore::toRecord(int n, const ReminderRecord &reminder)
{
    Record r(ReminderRecord::Length);
    r.setInt16(RecNoAt, qint16(n));
    r.setShownText(NameAt, ReminderRecord::NameWidth, reminder.RemName);
    r.setShownText(DateAt, ReminderRecord::DateWidth, reminder.RemDate);
    r.setShownText(NoteAt, ReminderRecord::NoteWidth, reminder.RemNote);
    return r;
}

void ReminderStore::removeByShifting(int n, int count) const
{
    // Every moved reminder lands, or none does: no reminder is ever listed twice.
    const QList<ReminderRecord> reminders = readAll();
    QList<QPair<int, Record>> moved;
    for (int i = n; i <= count; ++i)
        moved.append({i, toRecord(i, reminders.value(i))});
    file().write(moved);
}
