#include "data_export.h"

#include "appointment_events.h"
#include "contact_cards.h"
#include "ical_stream.h"
#include "reminder_events.h"
#include "todo_items.h"
#include "vcard_writer.h"

#include "platform/file_error.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <functional>

namespace {

// Suffixes of the program's own data: the record files, the help topics, the expense ledgers.
const QStringList DataSuffixes{QStringLiteral("dat"), QStringLiteral("hlp"), QStringLiteral("edf")};

// Writes the file through `write`, whole or not at all.
void writeWhole(const QString &path, const std::function<void(QIODevice &)> &write)
{
    if (DataSuffixes.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive))
        throw FileError(path, QStringLiteral("an export does not replace a data file"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(path, file.errorString());
    write(file);
    if (!file.commit())
        throw FileError(path, file.errorString());
}

QString counted(int count, const QString &one, const QString &many)
{
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

} // namespace

namespace DataExport {

QString calendarFileName()
{
    return QStringLiteral("velmora-calendar.ics");
}

QString contactsFileName()
{
    return QStringLiteral("velmora-contacts.vcf");
}

CalendarCounts writeCalendar(const QString &path)
{
    CalendarCounts counts;
    writeWhole(path, [&counts](QIODevice &file) {
        IcalStream out(file);
        counts.appointments = writeAppointmentEvents(out);
        counts.reminders = writeReminderEvents(out);
        counts.todos = writeTodoItems(out);
        out.finish();
    });
    return counts;
}

int writeContacts(const QString &path)
{
    int cards = 0;
    writeWhole(path, [&cards](QIODevice &file) {
        VCardWriter out(file);
        cards = writePersonalCards(out);
        cards += writeBusinessCards(out);
    });
    return cards;
}

QString Exported::text(const QString &where) const
{
    QStringList parts;
    if (calendar) {
        parts << counted(calendar->appointments, QStringLiteral("appointment"),
                         QStringLiteral("appointments"))
              << counted(calendar->reminders, QStringLiteral("reminder"),
                         QStringLiteral("reminders"))
              << counted(calendar->todos, QStringLiteral("to-do"), QStringLiteral("to-dos"));
    }
    if (contacts)
        parts << counted(*contacts, QStringLiteral("contact"), QStringLiteral("contacts"));
    QString list = parts.join(QStringLiteral(", "));
    if (parts.size() > 1) {
        const qsizetype last = list.lastIndexOf(QStringLiteral(", "));
        list.replace(last, 2, QStringLiteral(" and "));
    }
    return QStringLiteral("Exported %1 to %2").arg(list, where);
}

} // namespace DataExport
