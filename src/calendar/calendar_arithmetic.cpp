#include "calendar_arithmetic.h"

#include <QLocale>

namespace Calendar {

namespace {

// Years the working date can be set to: four digits, as its text is written.
constexpr int MinYear = 1;
constexpr int MaxYear = 9999;

StepTarget moveTo(int year, int month, int day, MissingDay missing)
{
    if (year < MinYear || year > MaxYear)
        return {};
    const int length = monthLength(year, month);
    if (day <= length)
        return {StepTarget::Outcome::KeptDay, QDate(year, month, day)};
    const int fallback = missing == MissingDay::Day28 ? 28 : length;
    return {StepTarget::Outcome::FellBack, QDate(year, month, fallback)};
}

} // namespace

bool isLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int monthLength(int year, int month)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return isLeapYear(year) ? 29 : 28;
    default:
        return 31;
    }
}

int firstWeekday(int year, int month)
{
    // Qt counts Monday = 1 ... Sunday = 7.
    return QDate(year, month, 1).dayOfWeek() % 7 + 1;
}

QString longDate(QDate date)
{
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(date, QStringLiteral("dddd, MMM d yyyy"));
}

QString spokenDate(QDate date)
{
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(date, QStringLiteral("dddd, MMMM d yyyy"));
}

StepTarget stepTarget(QDate from, Step step, const StepRules &rules)
{
    if (!from.isValid())
        return {};
    const int y = from.year();
    const int m = from.month();
    const int d = from.day();
    switch (step) {
    case Step::PreviousYear:
        if (rules.firstYear != 0 && y == rules.firstYear)
            return {StepTarget::Outcome::KeptDay, from};
        return moveTo(y - 1, m, d, rules.yearStepMissingDay);
    case Step::NextYear:
        if (rules.lastYear != 0 && y == rules.lastYear)
            return {StepTarget::Outcome::KeptDay, from};
        return moveTo(y + 1, m, d, rules.yearStepMissingDay);
    case Step::PreviousMonth:
        if (m == 1) {
            if (rules.backInJanuary == YearEdge::Ignore)
                return {};
            return {StepTarget::Outcome::FellBack, QDate(y, 1, 28)};
        }
        return moveTo(y, m - 1, d, rules.monthStepMissingDay);
    case Step::NextMonth:
        if (m == 12) {
            if (rules.forwardInDecember == YearEdge::Ignore)
                return {};
            return {StepTarget::Outcome::FellBack, QDate(y, 12, 28)};
        }
        return moveTo(y, m + 1, d, rules.monthStepMissingDay);
    }
    return {};
}

} // namespace Calendar
