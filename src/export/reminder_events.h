#pragma once

class IcalStream;

// remind.dat as events: each reminder with a name and a date that names a day an event of that
// whole day, the name its summary, the note its description, with a display alarm at its
// start. The blank reminders a new file starts with, and those a delete leaves at the end, have
// no name. Returns the number of events written.
int writeReminderEvents(IcalStream &out);
