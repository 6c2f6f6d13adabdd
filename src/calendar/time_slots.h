#pragma once

#include <QStringView>
#include <QTime>

// The appointment day's 24 half-hour slots: slot k (0 ... 23) of a day record starts k half
// hours after the first hour of the time list, which the start hour of setup.dat gives.
namespace TimeSlots {

// Start hours with exactly 24 rows in the time list; others are kept within them.
constexpr int FirstStartHour = 6;
constexpr int LastStartHour = 10;
constexpr int SlotMinutes = 30;

// The first hour from the stored start hour text: its leading number ("9 AM" gives 9), kept
// within FirstStartHour ... LastStartHour (no number at all gives the first).
int firstHour(QStringView startHour);

// When slot k of a day starts.
QTime slotStart(int firstHour, int slot);

} // namespace TimeSlots
