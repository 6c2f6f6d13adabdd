#pragma once

#include <QString>

#include <optional>

// Export of the data files of the working directory to files other programs read: the
// appointments, reminders and to-dos as one iCalendar file, the two phone books as vCards.
// Only reads the data files; a data file that does not exist contributes nothing. The menu
// command and the command line both come here.
namespace DataExport {

// The names the menu command gives the files in the folder the user picks.
QString calendarFileName(); // velmora-calendar.ics
QString contactsFileName(); // velmora-contacts.vcf

struct CalendarCounts
{
    int appointments = 0;
    int reminders = 0;
    int todos = 0;
};

// Each writes its file whole or not at all: a file it replaces stays as it was until the new
// one is complete. Failures throw FileError, with the system's text; a path that names a data
// file of the program's kind (.dat, .hlp, .edf) is refused, so an export never replaces data.
CalendarCounts writeCalendar(const QString &path);
int writeContacts(const QString &path); // returns the number of cards

// What an export wrote, for the user: "Exported 3 appointments, 1 reminder, 2 to-dos and 5
// contacts to <where>". A part not exported is left out.
struct Exported
{
    std::optional<CalendarCounts> calendar;
    std::optional<int> contacts;

    QString text(const QString &where) const;
};

} // namespace DataExport
