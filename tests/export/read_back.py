#!/usr/bin/env python3
"""Reads exported files back with independent parsers and prints what they found as JSON.

    read_back.py ics FILE    iCalendar, through the icalendar package
    read_back.py vcf FILE    vCards, through the vobject package

Besides the items, "problems" lists every content line that breaks the line rules the two RFCs
share: CR LF at each end, at most 75 octets, and each physical line whole UTF-8 on its own (a
fold never cuts a character).
"""

import datetime
import json
import sys


def line_problems(data):
    problems = []
    if not data.endswith(b"\r\n"):
        problems.append("the file does not end with CR LF")
    lines = data.split(b"\r\n")[:-1]
    for number, line in enumerate(lines, 1):
        if len(line) > 75:
            problems.append("line %d has %d octets" % (number, len(line)))
        if b"\n" in line or b"\r" in line:
            problems.append("line %d holds a bare line break" % number)
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            problems.append("line %d is not whole UTF-8" % number)
    return problems


def time_text(prop):
    if prop is None:
        return None
    value = prop.dt
    if isinstance(value, datetime.datetime):
        # Floating times have no zone; a zoned one would show its offset.
        return value.isoformat()
    return value.isoformat()


def text(value):
    return None if value is None else str(value)


def read_ics(data):
    import icalendar

    calendar = icalendar.Calendar.from_ical(data)
    items = []
    for component in calendar.subcomponents:
        alarms = []
        for alarm in component.subcomponents:
            if alarm.name != "VALARM":
                continue
            trigger = alarm.get("trigger")
            alarms.append({
                "action": text(alarm.get("action")),
                "trigger": int(trigger.dt.total_seconds()) if trigger is not None else None,
                "related": trigger.params.get("RELATED", "START") if trigger is not None else None,
                "description": text(alarm.get("description")),
            })
        start = component.get("dtstart")
        items.append({
            "kind": component.name,
            "uid": text(component.get("uid")),
            "stamp": time_text(component.get("dtstamp")),
            "summary": text(component.get("summary")),
            "description": text(component.get("description")),
            "start": time_text(start),
            "end": time_text(component.get("dtend")),
            "floating": bool(start is not None and isinstance(start.dt, datetime.datetime)
                             and start.dt.tzinfo is None),
            "related": text(component.get("related-to")),
            "alarms": alarms,
        })
    return {
        "version": text(calendar.get("version")),
        "prodid": text(calendar.get("prodid")),
        "items": items,
    }


def read_vcf(data):
    import vobject

    cards = []
    for card in vobject.readComponents(data.decode("utf-8")):
        def values(name):
            return [entry for entry in card.contents.get(name, [])]

        def one(name):
            found = values(name)
            return found[0].value if found else None

        cards.append({
            "version": one("version"),
            "uid": one("uid"),
            "kind": one("kind"),
            "fn": one("fn"),
            "org": one("org"),
            "adr": [{
                "types": entry.params.get("TYPE", []),
                "street": entry.value.street,
                "city": entry.value.city,
                "region": entry.value.region,
                "code": entry.value.code,
            } for entry in values("adr")],
            "tel": [{"types": entry.params.get("TYPE", []),
                     "pref": entry.params.get("PREF", [""])[0],
                     "value": entry.value} for entry in values("tel")],
            "email": [entry.value for entry in values("email")],
            "note": one("note"),
        })
    return {"cards": cards}


def main():
    kind, path = sys.argv[1], sys.argv[2]
    with open(path, "rb") as file:
        data = file.read()
    found = read_ics(data) if kind == "ics" else read_vcf(data)
    found["problems"] = line_problems(data)
    json.dump(found, sys.stdout, ensure_ascii=False, indent=1)


if __name__ == "__main__":
    main()
