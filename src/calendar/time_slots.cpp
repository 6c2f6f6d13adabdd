#include "time_slots.h"

namespace TimeSlots {

int firstHour(QStringView startHour)
{
    startHour = startHour.trimmed();
    int value = 0;
    for (const QChar c : startHour) {
        if (!c.isDigit() || value > 1000)
            break;
        value = value * 10 + c.digitValue();
    }
    return qBound(FirstStartHour, value, LastStartHour);
}

QTime slotStart(int firstHour, int slot)
{
    return QTime(firstHour, 0).addSecs(slot * SlotMinutes * 60);
}

} // namespace TimeSlots
