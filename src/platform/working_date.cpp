#include "working_date.h"

#include <QList>

namespace {

struct State
{
    WorkingDate::Clock clock;
    qint64 offsetDays = 0;
    QString startDate;
};

State &state()
{
    static State s;
    return s;
}

} // namespace

namespace WorkingDate {

QDate clockToday()
{
    const State &s = state();
    return s.clock ? s.clock() : QDate::currentDate();
}

QDate current()
{
    return clockToday().addDays(state().offsetDays);
}

bool set(QDate date)
{
    if (!date.isValid())
        return false;
    state().offsetDays = clockToday().daysTo(date);
    return true;
}

QDate fromText(QStringView text)
{
    const QList<QStringView> parts = text.trimmed().split(u'/');
    if (parts.size() != 3)
        return {};
    int numbers[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return {};
    }
    return QDate(numbers[2], numbers[0], numbers[1]); // invalid when the day does not exist
}

bool setFromText(QStringView text)
{
    return set(fromText(text));
}

QString toText(QDate date)
{
    return QString::number(date.month()) + u'/' + QString::number(date.day()) + u'/' +
           QString::number(date.year());
}

void setClock(Clock clock)
{
    state().clock = std::move(clock);
}

} // namespace WorkingDate

QString StartDate()
{
    return state().startDate;
}

void RecordStartDate()
{
    state().startDate = WorkingDate::toText(WorkingDate::current());
}

void RestoreStartDate()
{
    if (!state().startDate.isEmpty())
        WorkingDate::setFromText(state().startDate);
}
