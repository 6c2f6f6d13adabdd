#pragma once

#include <QDate>
#include <QString>

#include <functional>

// The program-wide working date. The calendars move through months by setting it; every window
// reads it afresh. It is kept as an offset from the clock, so it still turns at midnight.
namespace WorkingDate {

QDate current();

// Sets the working date from month "/" day "/" year text; false, and nothing changes, when the
// text names no date.
bool setFromText(QStringView text);
bool set(QDate date);

// month/day/four-digit year without leading zeros: 2/28/1997.
QString toText(QDate date);
QDate fromText(QStringView text);

// Where "today" comes from; tests fix it. An empty function brings the system clock back.
using Clock = std::function<QDate()>;
void setClock(Clock clock);
QDate clockToday();

} // namespace WorkingDate

// The working date as it was when the main window loaded, as text.
QString StartDate();
void RecordStartDate();
void RestoreStartDate();
