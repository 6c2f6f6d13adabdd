#pragma once

class IcalStream;

// appoint.dat as events: each non-blank slot note of a day an event of half an hour at its
// slot's time, in floating time (the clock time the book shows, with no zone), the note its
// summary; a non-blank day note an event of the whole day, the note its description. Only
// records the book can show count: not the two placeholders, not a record whose key names no
// day (a deleted one reads as zeros), not a later record of a day that an earlier one already
// has. Returns the number of events written.
int writeAppointmentEvents(IcalStream &out);
