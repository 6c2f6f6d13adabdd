#include "appointment_store.h"

#include "platform/cp1252.h"
#include "platform/data_files.h"
#include "platform/file_care.h"
#include "platform/file_error.h"
#include "platform/file_system.h"
#include "platform/os_file.h"
#include "platform/record_file.h"
#include "platform/whole_file.h"

namespace {

RecordFile dayFile()
{
    return RecordFile(AppointmentStore::dayFileName(), AppointmentRecord::Length);
}

RecordFile tempFile()
{
    return RecordFile(AppointmentStore::tempFileName(), AppointmentRecord::Length);
}

RecordFile monthFile()
{
    return RecordFile(AppointmentStore::monthFileName(), MonthRecord::Length);
}

void createWithPlaceholders(const RecordFile &file, Record (*placeholder)(int))
{
    if (!file.exists())
        file.create({placeholder(1), placeholder(2)});
}

AppointmentStore::Lookup findKey(const RecordFile &file, QStringView key,
                                 QByteArrayView (*keyOf)(QByteArrayView))
{
    // Records past the end read as zeros and never match, so the scan stops at the last one.
    AppointmentStore::Lookup found;
    const AppointmentKeys::Matcher matcher(key);
    file.scan(2, [&](int n, QByteArrayView record) {
        const QByteArrayView stored = keyOf(record);
        if (!matcher.matches(stored))
            return true;
        found = {n, true, Cp1252::decode(stored)};
        return false;
    });
    return found;
}

// Removes a file when it can; used only while undoing, where the first error is the one to tell.
void removeQuietly(const QString &name)
{
    try {
        FileSystem::remove(name);
    } catch (const FileError &) {
    }
}

} // namespace

QString AppointmentStore::dayFileName()
{
    return QStringLiteral("appoint.dat");
}

QString AppointmentStore::monthFileName()
{
    return QStringLiteral("cal.dat");
}

QString AppointmentStore::tempFileName()
{
    return QStringLiteral("temp.dat");
}

QString AppointmentStore::newDayFileName()
{
    return QStringLiteral("appoint.new");
}

QString AppointmentStore::deleteNoteName()
{
    return QStringLiteral("appoint.velmora-delete");
}

void AppointmentStore::open() const
{
    recoverDelete();
    createWithPlaceholders(dayFile(), &AppointmentRecord::placeholder);
    createWithPlaceholders(monthFile(), &MonthRecord::placeholder);
}

void AppointmentStore::recoverDelete() const
{
    WriteBatch::recoverBeside(deleteNoteName()); // a note that was never whole is no note
    if (!OsFile::exists(deleteNoteName())) {
        // Stopped before the delete was decided: it did not happen.
        if (OsFile::exists(newDayFileName()))
            FileSystem::remove(newDayFileName());
        return;
    }
    // Decided: the new file is whole on disk; finish what the stop left.
    if (OsFile::exists(newDayFileName())) {
        if (DataFiles::exists(dayFileName())) {
            FileSystem::remove(tempFileName());
            FileSystem::rename(dayFileName(), tempFileName());
        }
        FileSystem::rename(newDayFileName(), dayFileName());
        FileSystem::syncDirectoryOf(dayFileName());
    }
    const OsFile note(deleteNoteName(), deleteNoteName(), OsFile::Mode::Read);
    const QList<QByteArray> numbers = note.readAt(0, 64).trimmed().split(' ');
    if (numbers.size() == 2)
        clearMonthFlag(numbers.at(0).toInt(), numbers.at(1).toInt());
    FileSystem::remove(deleteNoteName());
}

int AppointmentStore::dayCount() const
{
    return dayFile().count();
}

int AppointmentStore::monthCount() const
{
    return monthFile().count();
}

int AppointmentStore::tempCount() const
{
    return tempFile().count();
}

AppointmentStore::Lookup AppointmentStore::findDay(QStringView dayKey) const
{
    return findKey(dayFile(), dayKey, &AppointmentRecord::keyBytes);
}

AppointmentStore::Lookup AppointmentStore::findMonth(QStringView monthKey) const
{
    return findKey(monthFile(), monthKey, &MonthRecord::keyBytes);
}

AppointmentRecord AppointmentStore::readDay(int position) const
{
    return AppointmentRecord::fromRecord(dayFile().read(position));
}

void AppointmentStore::scanDays(
    const std::function<bool(int position, const AppointmentRecord &day)> &visit) const
{
    dayFile().scan(1, [&visit](int n, QByteArrayView bytes) {
        return visit(n, AppointmentRecord::fromRecord(Record(bytes.toByteArray())));
    });
}

AppointmentRecord AppointmentStore::readTemp(int position) const
{
    return AppointmentRecord::fromRecord(tempFile().read(position));
}

void AppointmentStore::writeDay(int position, const AppointmentRecord &day) const
{
    AppointmentRecord numbered = day;
    numbered.RecNo = qint16(position);
    dayFile().write(position, numbered.toRecord());
}

MonthRecord AppointmentStore::readMonth(int position) const
{
    return MonthRecord::fromRecord(monthFile().read(position));
}

void AppointmentStore::writeMonth(int position, const MonthRecord &month) const
{
    MonthRecord numbered = month;
    numbered.RecNo = qint16(position);
    monthFile().write(position, numbered.toRecord());
}

AppointmentStore::Saved AppointmentStore::saveDay(const DayEntry &entry) const
{
    Saved saved;
    const Lookup day = findDay(entry.dayKey);
    const Lookup month = findMonth(entry.monthKey);

    MonthRecord flags;
    if (month.match) {
        flags = readMonth(month.position);
        saved.monthPosition = month.position;
    } else {
        saved.monthPosition = monthCount() + 1;
    }
    flags.MonthKey = entry.monthKey;
    flags.setFlag(entry.cell, 1);
    flags.RecNo = qint16(saved.monthPosition);
    saved.monthFound = month.match;

    AppointmentRecord record;
    if (day.match) {
        record = readDay(day.position);
        saved.position = day.position;
    } else {
        saved.position = dayCount() + 1;
    }
    record.DayKey = entry.dayKey;
    if (entry.slot >= 0 && entry.slot < AppointmentRecord::SlotCount)
        record.SlotNote[entry.slot] = entry.slotNote;
    record.DayNote = entry.dayNote;
    record.RecNo = qint16(saved.position);
    saved.dayFound = day.match;

    // The red day and its record land together or not at all.
    WriteBatch batch;
    monthFile().stage(batch, saved.monthPosition, flags.toRecord());
    dayFile().stage(batch, saved.position, record.toRecord());
    batch.commit();
    return saved;
}

void AppointmentStore::step(DeleteStep at) const
{
    if (m_stepHook)
        m_stepHook(at);
}

AppointmentStore::Deleted AppointmentStore::deleteDay(int position, int monthPosition,
                                                      int cell) const
{
    Deleted deleted;
    if (position <= 1)
        return deleted;

    // The next appoint.dat: a new file's placeholders, then every record of the current one
    // at its own number except the deleted one.
    const RecordFile current = dayFile();
    const int total = current.count();
    QList<Record> records{AppointmentRecord::placeholder(1), AppointmentRecord::placeholder(2)};
    current.scan(1, [&](int n, QByteArrayView record) {
        if (n == position) {
            deleted.erased = true;
            return true;
        }
        while (records.size() < n)
            records.append(Record(AppointmentRecord::Length));
        Record copy(record.toByteArray());
        AppointmentRecord::renumber(copy, n);
        records[n - 1] = copy;
        return true;
    });
    deleted.tempCount = total;

    const QString dayName = DataFiles::resolve(dayFileName());
    {
        DurableFile next(newDayFileName());
        const int half = int(records.size()) / 2;
        try {
            for (int i = 0; i < int(records.size()); ++i) {
                if (i == half)
                    step(DeleteStep::NewFileHalfWritten);
                next.write(records.at(i).bytes());
            }
            step(DeleteStep::NewFileWritten);
            next.sync();
        } catch (const FileError &) {
            removeQuietly(newDayFileName());
            throw;
        }
    }
    step(DeleteStep::NewFileSynced);

    // From here the delete is decided: a load after a stop finishes it, the month's red day
    // included, as the note of what is to be done says.
    try {
        FileCare::beforeChange(dayName, dayFileName(), AppointmentRecord::Length);
        writeWholeFile(deleteNoteName(), deleteNoteName(),
                       QByteArray::number(deleted.erased ? monthPosition : 0) + ' ' +
                           QByteArray::number(cell) + '\n');
    } catch (const FileError &) {
        removeQuietly(newDayFileName());
        throw;
    }
    try {
        FileSystem::remove(tempFileName());
        step(DeleteStep::TempRemoved);
        FileSystem::rename(dayName, tempFileName());
    } catch (const FileError &) {
        removeQuietly(newDayFileName());
        removeQuietly(deleteNoteName());
        throw;
    }
    try {
        step(DeleteStep::OldFileRenamed);
        FileSystem::rename(newDayFileName(), dayName);
    } catch (const FileError &) {
        // Put the previous file back; if even that fails the next load finishes the delete.
        try {
            FileSystem::rename(tempFileName(), dayName);
            removeQuietly(newDayFileName());
            removeQuietly(deleteNoteName());
        } catch (const FileError &) {
        }
        throw;
    }
    FileSystem::syncDirectoryOf(dayName);
    step(DeleteStep::NewFileRenamed);

    clearMonthFlag(deleted.erased ? monthPosition : 0, cell);
    step(DeleteStep::MonthUpdated);
    FileSystem::remove(deleteNoteName());
    return deleted;
}

void AppointmentStore::clearMonthFlag(int monthPosition, int cell) const
{
    if (monthPosition < 1)
        return;
    MonthRecord month = readMonth(monthPosition);
    if (!month.hasFlag(cell) || month.DayFlags[cell] == 0)
        return;
    month.setFlag(cell, 0);
    writeMonth(monthPosition, month);
}
