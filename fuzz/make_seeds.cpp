// Seeds for the fuzz targets: data files as the program writes them, so that fuzzing starts
// from whole, valid records. Usage: velmora_fuzz_seeds CORPUS_FOLDER (one folder a target).
#include "calendar/appointment_store.h"
#include "calendar/note_file.h"
#include "calendar/personal_file.h"
#include "calendar/reminder_store.h"
#include "contacts/business_store.h"
#include "notes/list_store.h"
#include "notes/tree_store.h"
#include "settings/preference_files.h"
#include "tools/launch_store.h"
#include "tools/ledger_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Copies a data file written in the working folder into the target's corpus.
bool keep(const QDir &corpus, const char *target, const QString &file)
{
    const QString dir = corpus.filePath(QLatin1String(target));
    QDir().mkpath(dir);
    const QString seed = QDir(dir).filePath(QStringLiteral("seed-") + file);
    QFile::remove(seed);
    return QFile::copy(file, seed);
}

TreeRecord treeNode(const char *kind, const QString &key, const QString &label, qint16 parent,
                    qint16 img)
{
    TreeRecord node;
    node.treekind = QLatin1String(kind);
    node.Key = key;
    node.Textimg = label;
    node.treeindex = parent;
    node.Img = img;
    node.Note = QStringLiteral("first line\nsecond line");
    return node;
}

void writeAll()
{
    const AppointmentStore appointments;
    appointments.open();
    appointments.saveDay({u"7/4/1997"_s, u"7/1997"_s, 5, 2, u"Dentist"_s, u"Card"_s});

    const BizStore business;
    business.create();
    BizRecord card;
    card.Company = QStringLiteral("Acme");
    card.Contact = QStringLiteral("Jo");
    card.Notes = QStringLiteral("Call first\nthen write");
    business.write(2, card);

    const PersonalFile personal;
    personal.createpersonal();
    PersonRecord person;
    person.setField(PersonRecord::Name, QStringLiteral("Ann"));
    person.setField(PersonRecord::Notes, QStringLiteral("Birthday\nin May"));
    personal.write(2, person);

    const NoteFile notes;
    notes.notecreate();
    notes.write(3, {3, QStringLiteral("Shopping"), QStringLiteral("milk\nbread")});

    const ReminderStore reminders;
    reminders.createremind();
    reminders.write(3, {3, QStringLiteral("Forms"), QStringLiteral("12/5/97"),
                        QStringLiteral("Bring the forms\nand a pen")});

    const ListStore lists;
    lists.createFile();
    lists.write(2, {QStringLiteral("Groceries"), QStringLiteral("milk\nbread")});

    const TreeStore tree;
    tree.createFile();
    tree.write(2, treeNode("0", u"p2"_s, u"Work"_s, 2, 1));
    tree.write(3, treeNode("4", u"c3"_s, u"Call"_s, 2, 2));
    tree.write(4, treeNode("4", u"c4"_s, u"Below"_s, 3, 2));
    QFile::copy(u"tree.dat"_s, u"tree-whole.dat"_s);
    // Links the outline has to mend: a loop, a lost parent, a deleted node and one stored
    // before its parent.
    tree.write(3, treeNode("4", u"c3"_s, u"Loop"_s, 4, 2));
    tree.write(5, treeNode("4", u"c5"_s, u"Lost"_s, 9, 2));
    TreeRecord deleted = treeNode("4", u"c6"_s, u"Gone"_s, 5, 2);
    deleted.HideShow = 1;
    tree.write(6, deleted);
    tree.write(7, treeNode("7", u"x7"_s, u"Early"_s, 8, 1));
    tree.write(8, treeNode("0", u"p8"_s, u"Home"_s, 8, 1));
    QFile::copy(u"tree.dat"_s, u"tree-broken.dat"_s);

    const LaunchStore launch;
    launch.create();
    LaunchRecord commands = launch.read();
    commands.launch[0] = QStringLiteral("xterm -e top");
    commands.cmd[0] = QStringLiteral("Top");
    launch.write(commands);

    Ledger ledger;
    ledger.Dates[0] = QStringLiteral("7/4/97");
    ledger.Items[0] = QStringLiteral("Paint");
    ledger.Categories[0] = QStringLiteral("House");
    ledger.Amounts[0] = QStringLiteral("12.50");
    ledger.Amounts[1] = QStringLiteral("-3");
    LedgerFile::write(QStringLiteral("Ledger.edf"), ledger);

    PreferenceFiles::writeSetup(PrefRecord::defaults(QStringLiteral("9 AM")));
    ConfigRecord font;
    font.FontName = QStringLiteral("Courier New");
    font.FontSize = 10;
    font.BoldFlag = -1;
    PreferenceFiles::writeConfig(font);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir corpus(QDir::current().absoluteFilePath(QFile::decodeName(argv[1])));
    const QTemporaryDir work;
    if (!work.isValid() || !QDir::setCurrent(work.path()))
        return 1;
    writeAll();
    const struct
    {
        const char *target;
        QString file;
    } seeds[] = {
        {"appointment_days", AppointmentStore::dayFileName()},
        {"appointment_months", AppointmentStore::monthFileName()},
        {"business", QStringLiteral("biz.dat")},
        {"personal", QStringLiteral("personal.dat")},
        {"notes", QStringLiteral("note.dat")},
        {"reminders", ReminderStore::fileName()},
        {"titled_text", QStringLiteral("lists.dat")},
        {"todo_tree", QStringLiteral("tree-whole.dat")},
        {"todo_tree", QStringLiteral("tree-broken.dat")},
        {"launch", LaunchStore::fileName()},
        {"ledger", QStringLiteral("Ledger.edf")},
        {"preferences", PreferenceFiles::setupFileName()},
        {"preferences", PreferenceFiles::configFileName()},
    };
    for (const auto &seed : seeds) {
        if (!keep(corpus, seed.target, seed.file)) {
            std::fprintf(stderr, "no seed %s for %s\n", qPrintable(seed.file), seed.target);
            return 1;
        }
    }
    return 0;
}
