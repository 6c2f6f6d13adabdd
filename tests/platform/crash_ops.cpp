#include "crash_ops.h"

#include "calendar/appointment_store.h"
#include "calendar/note_file.h"
#include "calendar/personal_file.h"
#include "calendar/reminder_store.h"
#include "contacts/business_store.h"
#include "notes/help_store.h"
#include "notes/list_store.h"
#include "notes/tree_store.h"
#include "platform/record_file.h"

#include <QList>
#include <QMap>

namespace {

using Action = std::function<void()>;

// Texts that fill their fields, so a record torn between two writes shows.
QString filled(QChar c, int width)
{
    return QString(width, c);
}

BizRecord card(char c)
{
    BizRecord card;
    for (QString *field :
         {&card.Company, &card.Contact, &card.City, &card.State, &card.Zip, &card.Phone1,
          &card.Ext1, &card.Phone2, &card.Ext2, &card.Fax, &card.EMail})
        *field = filled(QLatin1Char(c), BizRecord::NameWidth);
    card.Address = filled(QLatin1Char(c), BizRecord::AddressWidth);
    card.Notes = filled(QLatin1Char(c), BizRecord::NotesWidth);
    return card;
}

ReminderRecord reminder(char c)
{
    return {0, filled(QLatin1Char(c), 40), filled(QLatin1Char(c), 20),
            filled(QLatin1Char(c), 2000)};
}

TitledText titled(char c, int width)
{
    return {filled(QLatin1Char(c), 40), filled(QLatin1Char(c), width)};
}

AppointmentStore::DayEntry day(int d, char c)
{
    return {QStringLiteral("7/%1/1997").arg(d), QStringLiteral("7/1997"),    d + 1, 3,
            filled(QLatin1Char(c), 60),         filled(QLatin1Char(c), 1500)};
}

QMap<QString, QList<Action>> table()
{
    const BizStore biz;
    const ReminderStore reminders;
    const ListStore lists;
    const HelpStore help;
    const TreeStore tree;
    const PersonalFile people;
    const NoteFile notes;
    const AppointmentStore book;
    QMap<QString, QList<Action>> actions;
    actions[QStringLiteral("biz.dat")] = {
        [=] { biz.create(); },
        [=] { biz.write(1, card('a')); },
        [=] { biz.write(2, card('b')); },
        [=] { biz.write(3, card('c')); },
        [=] { biz.write(2, card('d')); },
        [=] { biz.write(4, card('e')); },
    };
    actions[QStringLiteral("remind.dat")] = {
        [=] { reminders.createremind(); },          [=] { reminders.write(1, reminder('a')); },
        [=] { reminders.write(3, reminder('b')); }, [=] { reminders.write(4, reminder('c')); },
        [=] { reminders.removeByShifting(2, 4); },  [=] { reminders.write(2, reminder('d')); },
    };
    actions[QStringLiteral("lists.dat")] = {
        [=] { lists.createFile(); },
        [=] { lists.write(1, titled('a', ListStore::BodyWidth)); },
        [=] { lists.write(2, titled('b', ListStore::BodyWidth)); },
        [=] { lists.write(3, titled('c', ListStore::BodyWidth)); },
        [=] { lists.removeByShifting(1); },
    };
    actions[QStringLiteral("VLhelp.hlp")] = {
        [=] { help.createFile(); },
        [=] { help.write(11, titled('a', HelpStore::BodyWidth)); },
        [=] { help.write(2, titled('b', HelpStore::BodyWidth)); },
    };
    actions[QStringLiteral("tree.dat")] = {
        [=] { tree.createFile(); },
        [=] {
            TreeRecord node{2,
                            2,
                            QStringLiteral("0"),
                            QStringLiteral("p2"),
                            filled(u'a', 40),
                            1,
                            filled(u'a', 1500),
                            0};
            tree.write(2, node);
        },
        [=] {
            TreeRecord node{3,
                            2,
                            QStringLiteral("4"),
                            QStringLiteral("c3"),
                            filled(u'b', 40),
                            2,
                            filled(u'b', 1500),
                            0};
            tree.write(3, node);
        },
    };
    actions[QStringLiteral("personal.dat")] = {
        [=] { people.createpersonal(); },
        [=] {
            PersonRecord person;
            for (int i = 0; i < PersonRecord::FieldCount; ++i)
                person.fields.at(i) = filled(u'a', PersonRecord::width(PersonRecord::Field(i)));
            people.write(2, person);
        },
        [=] {
            PersonRecord person;
            for (int i = 0; i < PersonRecord::FieldCount; ++i)
                person.fields.at(i) = filled(u'b', PersonRecord::width(PersonRecord::Field(i)));
            people.write(3, person);
        },
    };
    actions[QStringLiteral("note.dat")] = {
        [=] { notes.notecreate(); },
        [=] {
            notes.write(3, {3, filled(u'a', 40), filled(u'a', 300)});
        },
        [=] {
            notes.write(2, {2, filled(u'b', 40), filled(u'b', 300)});
        },
    };
    actions[QStringLiteral("appoint.dat")] = {
        [=] { book.open(); },
        [=] { book.saveDay(day(4, 'a')); },
        [=] { book.saveDay(day(5, 'b')); },
        [=] { book.saveDay(day(6, 'c')); },
        [=] { book.deleteDay(4, 3, 6); },
        [=] { book.saveDay(day(4, 'd')); },
    };
    return actions;
}

} // namespace

namespace CrashOps {

QStringList stores()
{
    return table().keys();
}

int actionCount(const QString &store)
{
    return int(table().value(store).size());
}

void run(const QString &store, int count, const std::function<void(int)> &done)
{
    const QList<Action> actions = table().value(store);
    for (int i = 0; i < count && i < actions.size(); ++i) {
        actions.at(i)();
        done(i);
    }
}

void load(const QString &store)
{
    if (store == QStringLiteral("appoint.dat")) {
        AppointmentStore().open();
        return;
    }
    // The window's first use of its file settles what a stopped write left.
    RecordFile(store, 1).count();
}

} // namespace CrashOps
