#pragma once

#include <QDate>
#include <QString>

// Dates as the calendars count them: leap years, month lengths, the weekday a month starts on,
// the long date caption and where the navigation buttons lead.
namespace Calendar {

// Gregorian: every fourth year, except the centuries not divisible by 400 (1900, 2100).
bool isLeapYear(int year);
int monthLength(int year, int month);
// Day of week of the 1st of the month, 1 = Sunday ... 7 = Saturday.
int firstWeekday(int year, int month);
// "Monday, Jul 7 1997": in English whatever the user's locale.
QString longDate(QDate date);
// "Monday, July 7 1997": the long date with the month's full name, as a screen reader says it.
QString spokenDate(QDate date);

enum class Step { PreviousYear, PreviousMonth, NextMonth, NextYear };

// What a month step does that would leave the year ("<" in January, ">" in December).
enum class YearEdge {
    Ignore, // nothing happens, not even a redraw
    Day28,  // the step stays in the month and lands on the 28th
};

// Where a step lands when the target month lacks the day of month (31 April, 29 February).
enum class MissingDay { Day28, LastDay };

// How one window's navigation buttons behave.
struct StepRules
{
    YearEdge backInJanuary = YearEdge::Ignore;
    YearEdge forwardInDecember = YearEdge::Ignore;
    MissingDay monthStepMissingDay = MissingDay::LastDay;
    MissingDay yearStepMissingDay = MissingDay::LastDay;
    // A year step back from firstYear, or on from lastYear, keeps the date (the window still
    // redraws); a date set outside them by another calendar steps as usual. 0: no limit.
    int firstYear = 0;
    int lastYear = 0;
};

struct StepTarget
{
    enum class Outcome {
        Ignored,  // the button does nothing
        KeptDay,  // the date moved, or stayed at a year limit, with its day of month
        FellBack, // the day of month was replaced by the window's fallback
    };
    Outcome outcome = Outcome::Ignored;
    QDate date; // the new working date; invalid when ignored
};

StepTarget stepTarget(QDate from, Step step, const StepRules &rules);

} // namespace Calendar
