#include "app/window_table.h"
#include "calendar/appointments_window.h"
#include "export/data_export.h"
#include "export/vcard_writer.h"

#include "platform/file_error.h"
#include "platform/status_panels.h"

#include "frame.h"
#include "scripted_dialogs.h"
#include "work_dir.h"

#include <QAction>
#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

const QString Program = QStringLiteral(VELMORA_PROGRAM);
const QString Python = QStringLiteral(VELMORA_PYTHON3);
const QString ReadBack = QStringLiteral(READ_BACK_SCRIPT);

// Every identifier ever exported is made in this namespace: changing it would make every
// calendar and address book that imported before take the next import as new items.
const QUuid IdNamespace(u"{5b0e7a52-8f4d-4c1e-9a63-2d7c1f0b8e41}"_s);

// The identifier of the item made from this file, record and part.
QString uid(const QString &name)
{
    return QUuid::createUuidV5(IdNamespace, name).toString(QUuid::WithoutBraces);
}

// The texts of the fixtures as their files keep them: the few characters beyond ASCII that
// the tests use, in cp1252, and line breaks as CR LF.
QByteArray stored(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\u00fc': // ü
            bytes += '\xfc';
            break;
        case u'\u20ac': // €
            bytes += '\x80';
            break;
        case u'\n':
            bytes += "\r\n";
            break;
        default:
            Q_ASSERT(c.unicode() < 0x80);
            bytes += char(c.unicode());
        }
    }
    return bytes;
}

QByteArray field(const QString &text, int width)
{
    return padded(stored(text), width);
}

// 200 characters over two lines, with commas, semicolons and long runs of a character that
// takes three octets in UTF-8, so that folds fall inside characters unless they are careful.
QString longNote()
{
    QString note = u"Meeting with Müller, Schmidt; costs 20 €\n"_s;
    const QString run = u"€€€€€€€€€€€€€€€€€€€€, ;"_s;
    while (note.size() + run.size() <= 200)
        note += run;
    note += QString(200 - note.size(), u'€');
    Q_ASSERT(note.size() == 200);
    return note;
}

// --- data files, byte by byte ---------------------------------------------------------------

QByteArray setupBytes(const QString &startHour)
{
    // Start-up window 9: the frame opens none.
    return le16(0) + field(startHour, 10) + le16(9) + le16(0) +
           field(u"C:\\WINDOWS\\sndrec32.exe"_s, 50) + field(u"c:\\WINDOWS\\DING.WAV"_s, 50);
}

QByteArray dayPlaceholder(qint16 n)
{
    return le16(n) + le16(n) + field(u"10/12/96"_s, 20) + le16(9) + le16(9) +
           QByteArray(24 * 60 + 1500, '\0');
}

QByteArray dayRecord(qint16 n, const QString &key, const QMap<int, QString> &slotNotes,
                     const QString &note = QString())
{
    QByteArray bytes = le16(n) + le16(0) + field(key, 20) + le16(0) + le16(0);
    for (int k = 0; k < 24; ++k)
        bytes += field(slotNotes.value(k), 60);
    return bytes + field(note, 1500);
}

QByteArray reminderRecord(qint16 n, const QString &name, const QString &date, const QString &note)
{
    return le16(n) + field(name, 40) + field(date, 20) + field(note, 2000);
}

QByteArray reminderPlaceholder(qint16 n)
{
    return le16(n) + field(u"           "_s, 40) + QByteArray(2020, '\0');
}

QByteArray treeRecord(qint16 n, qint16 index, const QString &kind, const QString &key,
                      const QString &label, const QString &note = QString(), qint16 hidden = 0)
{
    return le16(n) + le16(index) + field(kind, 40) + field(key, 40) + field(label, 40) +
           le16(kind == u"0" ? 1 : 2) + field(note, 1500) + le16(hidden);
}

// Name, address, city, state, zip, phone, ext, fax, email, notes.
QByteArray personRecord(qint16 n, const QStringList &fields)
{
    QByteArray bytes = le16(n);
    for (int i = 0; i < 9; ++i)
        bytes += field(fields.value(i), 40);
    return bytes + field(fields.value(9), 500);
}

// Company, contact, address, city, state, zip, phone 1, ext 1, phone 2, ext 2, fax, email,
// notes.
QByteArray bizRecord(qint16 n, const QStringList &fields)
{
    QByteArray bytes = le16(n) + field(fields.value(0), 40) + field(fields.value(1), 40) +
                       field(fields.value(2), 100);
    for (int i = 3; i < 12; ++i)
        bytes += field(fields.value(i), 40);
    return bytes + field(fields.value(12), 1500);
}

void writeCalendarData(const WorkDir &dir)
{
    dir.write(u"setup.dat"_s, setupBytes(u"8 AM"_s));
    dir.write(u"appoint.dat"_s,
              dayPlaceholder(1) + dayPlaceholder(2) +
                  dayRecord(3, u"7/4/1997"_s,
                            {{0, u"Breakfast with Müller"_s},
                             {5, u"Pay 5 €, 3; or so"_s},
                             {7, u" "_s}, // a cancelled entry keeps a blank
                             {23, u"Last, late;"_s}},
                            longNote()) +
                  QByteArray(2968, '\0') + // a deleted day
                  dayRecord(5, u"7/4/1997"_s, {{1, u"Never found: the day has record 3"_s}}) +
                  dayRecord(6, u"07/05/1997"_s, {{1, u"Never found: no such key is made"_s}}) +
                  dayRecord(7, u"12/31/1999"_s, {{2, u"Party"_s}}) +
                  dayRecord(8, u"2/30/1999"_s, {{2, u"Never: no such day"_s}}));
    dir.write(u"remind.dat"_s,
              reminderPlaceholder(1) + reminderPlaceholder(2) +
                  reminderRecord(3, u"Müller's birthday"_s, u"12/5/26"_s,
                                 u"Buy cake, candles; € 10\nand a card"_s) +
                  reminderRecord(4, u"No date"_s, u"soon"_s, u"Never exported"_s) +
                  reminderRecord(5, u"Dentist"_s, u" 09/05/2027"_s, QString()) +
                  reminderRecord(6, QString(), QString(), QString())); // left by a delete
    dir.write(u"tree.dat"_s,
              treeRecord(1, 0, u"0"_s, u"r"_s, u"Todo List"_s) +
                  treeRecord(2, 2, u"0"_s, u"p2"_s, u"Home, garden; €"_s, longNote()) +
                  treeRecord(3, 2, u"4"_s, u"c3"_s, u"Paint"_s, u"walls\nred"_s) +
                  treeRecord(4, 2, u"4"_s, u"c4"_s, u"Gone"_s, QString(), 1) +
                  treeRecord(5, 4, u"4"_s, u"c5"_s, u"Below a deleted node"_s) +
                  treeRecord(6, 1, u"4"_s, u"c6"_s, u"Under the root"_s) +
                  treeRecord(7, 3, u"4"_s, u"c7"_s, u"Under Paint"_s) +
                  treeRecord(8, 2, u"4"_s, u"c3"_s, u"A second c3"_s));
}

void writeContactData(const WorkDir &dir)
{
    dir.write(u"personal.dat"_s,
              personRecord(1, {u"1"_s}) +
                  personRecord(2, {u"Hans Müller"_s, u"Am Markt 3, Hof; links"_s, u"Berlin"_s,
                                   u"BE"_s, u"10115"_s, u"030 1234"_s, u"12"_s, u"030 9999"_s,
                                   u"hans@example.org"_s, longNote()}) +
                  personRecord(3, QStringList(10, u" "_s)) + // deleted: blanked
                  personRecord(
                      4, {QString(), QString(), QString(), QString(), QString(), u"555-0100"_s}));
    QByteArray first = le16(1) + field(u"           "_s, 40); // as a new biz.dat holds it
    first += QByteArray(2042 - first.size(), '\0');
    dir.write(u"biz.dat"_s,
              first +
                  bizRecord(2, {u"Müller, Schmidt; Partner"_s, u"Anna Schmidt"_s,
                                u"Hof 2\nHaus B"_s, u"Hamburg"_s, u"HH"_s, u"20095"_s, u"040 111"_s,
                                u"7"_s, u"040 222"_s, QString(), u"040 333"_s,
                                u"anna@example.com"_s, u"Pays in €, quarterly; net 30"_s}) +
                  bizRecord(3, {u"Baker's"_s, QString(), QString(), QString(), QString(), QString(),
                                u"555-0199"_s}));
}

// --- reading back ---------------------------------------------------------------------------

// What the independent parser read from the file; fails the test when it could not.
QJsonObject readBack(const QString &kind, const QString &path)
{
    QProcess python;
    python.start(Python, {ReadBack, kind, path});
    if (!python.waitForFinished(30000) || python.exitStatus() != QProcess::NormalExit ||
        python.exitCode() != 0) {
        qWarning("%s", python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QStringList strings(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &entry : value.toArray())
        list.append(entry.toString());
    return list;
}

QString stampOf(const QString &file)
{
    QDateTime changed = QFileInfo(file).lastModified().toUTC();
    changed.setTime(QTime(changed.time().hour(), changed.time().minute(), changed.time().second()));
    return changed.toString(Qt::ISODate).replace(u"Z"_s, u"+00:00"_s);
}

struct Item
{
    QString kind;
    QString uidName; // the file, record and part the identifier is made of
    QString summary;
    QString description; // null: none
    QString start;
    QString end;
    QString related; // the identifier name of the parent, or null
};

void compareItem(const QJsonObject &found, const Item &expected)
{
    const QByteArray where = expected.uidName.toUtf8();
    QVERIFY2(found.value(u"kind").toString() == expected.kind, where.constData());
    QCOMPARE(found.value(u"uid").toString(), uid(expected.uidName));
    QCOMPARE(found.value(u"summary").toString(), expected.summary);
    QCOMPARE(found.value(u"description").isNull(), expected.description.isNull());
    QCOMPARE(found.value(u"description").toString(), expected.description);
    QCOMPARE(found.value(u"start").toString(), expected.start);
    QCOMPARE(found.value(u"end").toString(), expected.end);
    QCOMPARE(found.value(u"related").toString(),
             expected.related.isNull() ? QString() : uid(expected.related));
}

// Runs the program as a user does, from a folder, with no display at all.
struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run runProgram(const QString &folder, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(Program, arguments);
    Run run;
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QMenu *optionsMenu(QWidget *frame)
{
    return frame->findChild<QMenu *>(u"filemenu"_s);
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void calendarReadsBackAsStored();
    void contactsReadBackAsStored();
    void slotTimesFollowTheTimeList_data();
    void slotTimesFollowTheTimeList();
    void withoutSetupTheDayStartsAsAtFirstStart();
    void missingFilesContributeNothing();
    void aSecondExportIsTheSame();
    void vcardValuesEscapedAndFolded_data();
    void vcardValuesEscapedAndFolded();
    void dataFilesAreNeverReplaced();
    void menuExportsAfterAskingToReplace();
    void commandLineExports();
    void commandLineFailures_data();
    void commandLineFailures();
};

void TestExport::calendarReadsBackAsStored()
{
    const WorkDir dir;
    writeCalendarData(dir);
    const QString file = dir.filePath(u"out.ics"_s);
    const DataExport::CalendarCounts counts = DataExport::writeCalendar(file);
    QCOMPARE(counts.appointments, 5);
    QCOMPARE(counts.reminders, 2);
    QCOMPARE(counts.todos, 4);

    const QJsonObject found = readBack(u"ics"_s, file);
    QVERIFY(!found.isEmpty());
    QCOMPARE(strings(found.value(u"problems")), QStringList());
    QCOMPARE(found.value(u"version").toString(), u"2.0"_s);
    const QString note = longNote();
    const QList<Item> expected{
        {u"VEVENT"_s, u"appoint.dat/3/slot/1"_s, u"Breakfast with Müller"_s, QString(),
         u"1997-07-04T08:00:00"_s, u"1997-07-04T08:30:00"_s, QString()},
        {u"VEVENT"_s, u"appoint.dat/3/slot/6"_s, u"Pay 5 €, 3; or so"_s, QString(),
         u"1997-07-04T10:30:00"_s, u"1997-07-04T11:00:00"_s, QString()},
        {u"VEVENT"_s, u"appoint.dat/3/slot/24"_s, u"Last, late;"_s, QString(),
         u"1997-07-04T19:30:00"_s, u"1997-07-04T20:00:00"_s, QString()},
        {u"VEVENT"_s, u"appoint.dat/3/note"_s, u"Meeting with Müller, Schmidt; costs 20 €"_s, note,
         u"1997-07-04"_s, u"1997-07-05"_s, QString()},
        {u"VEVENT"_s, u"appoint.dat/7/slot/3"_s, u"Party"_s, QString(), u"1999-12-31T09:00:00"_s,
         u"1999-12-31T09:30:00"_s, QString()},
        {u"VEVENT"_s, u"remind.dat/3"_s, u"Müller's birthday"_s,
         u"Buy cake, candles; € 10\nand a card"_s, u"2026-12-05"_s, u"2026-12-06"_s, QString()},
        {u"VEVENT"_s, u"remind.dat/5"_s, u"Dentist"_s, QString(), u"2027-09-05"_s, u"2027-09-06"_s,
         QString()},
        {u"VTODO"_s, u"tree.dat/2"_s, u"Home, garden; €"_s, note, QString(), QString(), QString()},
        {u"VTODO"_s, u"tree.dat/3"_s, u"Paint"_s, u"walls\nred"_s, QString(), QString(),
         u"tree.dat/2"_s},
        {u"VTODO"_s, u"tree.dat/6"_s, u"Under the root"_s, QString(), QString(), QString(),
         QString()},
        {u"VTODO"_s, u"tree.dat/7"_s, u"Under Paint"_s, QString(), QString(), QString(),
         u"tree.dat/3"_s},
    };
    const QJsonArray items = found.value(u"items").toArray();
    QCOMPARE(items.size(), expected.size());
    for (int i = 0; i < items.size(); ++i) {
        compareItem(items.at(i).toObject(), expected.at(i));
        if (QTest::currentTestFailed())
            return;
    }

    // Slot events keep floating time; the rest are whole days or to-dos without a time.
    QVERIFY(items.at(0).toObject().value(u"floating").toBool());
    // Each item's last revision is the last change of its file.
    QCOMPARE(items.at(0).toObject().value(u"stamp").toString(),
             stampOf(dir.filePath(u"appoint.dat"_s)));
    QCOMPARE(items.at(7).toObject().value(u"stamp").toString(),
             stampOf(dir.filePath(u"tree.dat"_s)));
    // A reminder alarms when its day begins, with its name.
    const QJsonArray alarms = items.at(5).toObject().value(u"alarms").toArray();
    QCOMPARE(alarms.size(), 1);
    QCOMPARE(alarms.at(0).toObject().value(u"action").toString(), u"DISPLAY"_s);
    QCOMPARE(alarms.at(0).toObject().value(u"trigger").toInt(-1), 0);
    QCOMPARE(alarms.at(0).toObject().value(u"related").toString(), u"START"_s);
    QCOMPARE(alarms.at(0).toObject().value(u"description").toString(), u"Müller's birthday"_s);
    QVERIFY(items.at(0).toObject().value(u"alarms").toArray().isEmpty());
}

void TestExport::contactsReadBackAsStored()
{
    const WorkDir dir;
    writeContactData(dir);
    const QString file = dir.filePath(u"out.vcf"_s);
    QCOMPARE(DataExport::writeContacts(file), 4);

    const QJsonObject found = readBack(u"vcf"_s, file);
    QVERIFY(!found.isEmpty());
    QCOMPARE(strings(found.value(u"problems")), QStringList());
    const QJsonArray cards = found.value(u"cards").toArray();
    QCOMPARE(cards.size(), 4);
    for (const QJsonValue &card : cards)
        QCOMPARE(card.toObject().value(u"version").toString(), u"4.0"_s);

    const QJsonObject hans = cards.at(0).toObject();
    QCOMPARE(hans.value(u"uid").toString(), u"urn:uuid:"_s + uid(u"personal.dat/2"_s));
    QCOMPARE(hans.value(u"fn").toString(), u"Hans Müller"_s);
    QVERIFY(hans.value(u"org").isNull());
    const QJsonObject home = hans.value(u"adr").toArray().at(0).toObject();
    QCOMPARE(strings(home.value(u"types")), QStringList{u"home"_s});
    QCOMPARE(home.value(u"street").toString(), u"Am Markt 3, Hof; links"_s);
    QCOMPARE(home.value(u"city").toString(), u"Berlin"_s);
    QCOMPARE(home.value(u"region").toString(), u"BE"_s);
    QCOMPARE(home.value(u"code").toString(), u"10115"_s);
    const QJsonArray phones = hans.value(u"tel").toArray();
    QCOMPARE(phones.size(), 2);
    QCOMPARE(phones.at(0).toObject().value(u"value").toString(), u"030 1234 ext. 12"_s);
    QCOMPARE(strings(phones.at(0).toObject().value(u"types")),
             (QStringList{u"home"_s, u"voice"_s}));
    QCOMPARE(phones.at(1).toObject().value(u"value").toString(), u"030 9999"_s);
    QCOMPARE(strings(phones.at(1).toObject().value(u"types")), (QStringList{u"home"_s, u"fax"_s}));
    QCOMPARE(strings(hans.value(u"email")), QStringList{u"hans@example.org"_s});
    QCOMPARE(hans.value(u"note").toString(), longNote());

    // A person with only a phone number is named by it.
    const QJsonObject phoneOnly = cards.at(1).toObject();
    QCOMPARE(phoneOnly.value(u"uid").toString(), u"urn:uuid:"_s + uid(u"personal.dat/4"_s));
    QCOMPARE(phoneOnly.value(u"fn").toString(), u"555-0100"_s);
    QVERIFY(phoneOnly.value(u"adr").toArray().isEmpty());

    const QJsonObject anna = cards.at(2).toObject();
    QCOMPARE(anna.value(u"uid").toString(), u"urn:uuid:"_s + uid(u"biz.dat/2"_s));
    QCOMPARE(anna.value(u"fn").toString(), u"Anna Schmidt"_s);
    QVERIFY(anna.value(u"kind").isNull());
    QCOMPARE(strings(anna.value(u"org")), QStringList{u"Müller, Schmidt; Partner"_s});
    const QJsonObject work = anna.value(u"adr").toArray().at(0).toObject();
    QCOMPARE(strings(work.value(u"types")), QStringList{u"work"_s});
    QCOMPARE(work.value(u"street").toString(), u"Hof 2\nHaus B"_s);
    QCOMPARE(work.value(u"city").toString(), u"Hamburg"_s);
    const QJsonArray workPhones = anna.value(u"tel").toArray();
    QCOMPARE(workPhones.size(), 3);
    QCOMPARE(workPhones.at(0).toObject().value(u"value").toString(), u"040 111 ext. 7"_s);
    QCOMPARE(workPhones.at(0).toObject().value(u"pref").toString(), u"1"_s);
    QCOMPARE(workPhones.at(1).toObject().value(u"value").toString(), u"040 222"_s);
    QCOMPARE(strings(workPhones.at(2).toObject().value(u"types")),
             (QStringList{u"work"_s, u"fax"_s}));
    QCOMPARE(strings(anna.value(u"email")), QStringList{u"anna@example.com"_s});
    QCOMPARE(anna.value(u"note").toString(), u"Pays in €, quarterly; net 30"_s);

    // A card without a contact is the company's own.
    const QJsonObject baker = cards.at(3).toObject();
    QCOMPARE(baker.value(u"uid").toString(), u"urn:uuid:"_s + uid(u"biz.dat/3"_s));
    QCOMPARE(baker.value(u"kind").toString(), u"org"_s);
    QCOMPARE(baker.value(u"fn").toString(), u"Baker's"_s);
}

void TestExport::slotTimesFollowTheTimeList_data()
{
    QTest::addColumn<QString>("startHour");
    QTest::newRow("6") << u"6"_s;
    QTest::newRow("8 AM") << u"8 AM"_s;
    QTest::newRow("9") << u"9"_s;
    QTest::newRow("10") << u"10"_s;
    QTest::newRow("noon") << u"12 PM"_s;
    QTest::newRow("no number") << u"early"_s;
}

void TestExport::slotTimesFollowTheTimeList()
{
    QFETCH(QString, startHour);
    const WorkDir dir;
    dir.write(u"setup.dat"_s, setupBytes(startHour));
    QMap<int, QString> slotNotes;
    for (int k = 0; k < 24; ++k)
        slotNotes.insert(k, u"Slot "_s + QString::number(k + 1));
    dir.write(u"appoint.dat"_s,
              dayPlaceholder(1) + dayPlaceholder(2) + dayRecord(3, u"3/1/2024"_s, slotNotes));
    const QString file = dir.filePath(u"out.ics"_s);
    QCOMPARE(DataExport::writeCalendar(file).appointments, 24);
    const QJsonArray items = readBack(u"ics"_s, file).value(u"items").toArray();
    QCOMPARE(items.size(), 24);

    // The rows of the appointments window with the same setup.dat, row k beside slot k + 1.
    form5 window;
    window.show();
    const auto *times = window.findChild<QListWidget *>(u"List1"_s);
    QVERIFY(times);
    QCOMPARE(times->count(), 24);
    for (int k = 0; k < 24; ++k) {
        const QJsonObject item = items.at(k).toObject();
        QCOMPARE(item.value(u"summary").toString(), u"Slot "_s + QString::number(k + 1));
        const QTime row = QTime::fromString(times->item(k)->text(), u"hh:mm AP"_s);
        QVERIFY(row.isValid());
        QCOMPARE(item.value(u"start").toString(), u"2024-03-01T"_s + row.toString(u"HH:mm:ss"_s));
        QCOMPARE(item.value(u"end").toString(),
                 u"2024-03-01T"_s + row.addSecs(30 * 60).toString(u"HH:mm:ss"_s));
    }
}

void TestExport::withoutSetupTheDayStartsAsAtFirstStart()
{
    const WorkDir dir;
    dir.write(u"appoint.dat"_s, dayPlaceholder(1) + dayPlaceholder(2) +
                                    dayRecord(3, u"3/1/2024"_s, {{0, u"First"_s}}));
    const QString file = dir.filePath(u"out.ics"_s);
    DataExport::writeCalendar(file);
    QVERIFY(!QFileInfo::exists(dir.filePath(u"setup.dat"_s)));
    const QJsonArray items = readBack(u"ics"_s, file).value(u"items").toArray();
    QCOMPARE(items.size(), 1);

    // The program's first start writes setup.dat; its appointments window then starts the day
    // at the time the export gave the first slot.
    VL32V1 frame(createToolWindow);
    frame.show();
    QVERIFY(QFileInfo::exists(dir.filePath(u"setup.dat"_s)));
    auto *window = qobject_cast<form5 *>(frame.openWindow(ToolWindowId::form5));
    QVERIFY(window);
    const auto *times = window->findChild<QListWidget *>(u"List1"_s);
    QCOMPARE(times->item(0)->text(), u"09:00 AM"_s);
    QCOMPARE(items.at(0).toObject().value(u"start").toString(), u"2024-03-01T09:00:00"_s);
}

void TestExport::missingFilesContributeNothing()
{
    const WorkDir dir;
    const QString ics = dir.filePath(u"out.ics"_s);
    const QString vcf = dir.filePath(u"out.vcf"_s);
    const DataExport::CalendarCounts counts = DataExport::writeCalendar(ics);
    QCOMPARE(counts.appointments + counts.reminders + counts.todos, 0);
    QCOMPARE(DataExport::writeContacts(vcf), 0);
    const QJsonObject calendar = readBack(u"ics"_s, ics);
    QCOMPARE(calendar.value(u"version").toString(), u"2.0"_s);
    QVERIFY(calendar.value(u"items").toArray().isEmpty());
    QVERIFY(QFileInfo(vcf).exists());
    QCOMPARE(QFileInfo(vcf).size(), 0);
    // Nothing was created in the data folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
             (QStringList{u"out.ics"_s, u"out.vcf"_s}));
}

void TestExport::aSecondExportIsTheSame()
{
    const WorkDir dir;
    writeCalendarData(dir);
    writeContactData(dir);
    DataExport::writeCalendar(dir.filePath(u"first.ics"_s));
    DataExport::writeContacts(dir.filePath(u"first.vcf"_s));
    DataExport::writeCalendar(dir.filePath(u"second.ics"_s));
    DataExport::writeContacts(dir.filePath(u"second.vcf"_s));
    QCOMPARE(dir.read(u"second.ics"_s), dir.read(u"first.ics"_s));
    QCOMPARE(dir.read(u"second.vcf"_s), dir.read(u"first.vcf"_s));

    // The identifiers come from the file and the record, not from the folder or the time:
    // the same data elsewhere, written later, keeps them.
    const WorkDir elsewhere;
    writeCalendarData(elsewhere);
    QFile later(elsewhere.filePath(u"appoint.dat"_s));
    QVERIFY(later.open(QIODevice::ReadWrite));
    QVERIFY(later.setFileTime(QDateTime::currentDateTimeUtc().addDays(1),
                              QFileDevice::FileModificationTime));
    later.close();
    DataExport::writeCalendar(elsewhere.filePath(u"third.ics"_s));
    const auto uids = [](const QString &file) {
        QStringList list;
        for (const QJsonValue &item : readBack(u"ics"_s, file).value(u"items").toArray())
            list.append(item.toObject().value(u"uid").toString());
        return list;
    };
    const QStringList first = uids(dir.filePath(u"first.ics"_s));
    QCOMPARE(first.size(), 11);
    QCOMPARE(uids(elsewhere.filePath(u"third.ics"_s)), first);
    QVERIFY(elsewhere.read(u"third.ics"_s) != dir.read(u"first.ics"_s)); // a newer DTSTAMP
}

void TestExport::vcardValuesEscapedAndFolded_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("plain") << u"Hans"_s << QByteArray("NOTE:Hans\r\n");
    QTest::newRow("specials") << u"a,b;c\\d"_s << QByteArray("NOTE:a\\,b\\;c\\\\d\r\n");
    QTest::newRow("line breaks") << u"one\r\ntwo\nthree\rfour"_s
                                 << QByteArray("NOTE:one\\ntwo\\nthree\\nfour\r\n");
    QTest::newRow("75 octets, one line")
        << QString(70, u'x') << QByteArray("NOTE:") + QByteArray(70, 'x') + "\r\n";
    QTest::newRow("76 octets, folded")
        << QString(71, u'x') << QByteArray("NOTE:") + QByteArray(70, 'x') + "\r\n x\r\n";
    // The fold would fall after the first octet of "€": the whole character moves on.
    QTest::newRow("fold before a character")
        << QString(69, u'x') + u"€"_s + u"y"_s
        << QByteArray("NOTE:") + QByteArray(69, 'x') + "\r\n \xe2\x82\xacy\r\n";
}

void TestExport::vcardValuesEscapedAndFolded()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, written);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    VCardWriter writer(buffer);
    writer.text("NOTE", value);
    QCOMPARE(buffer.data(), written);
}

void TestExport::dataFilesAreNeverReplaced()
{
    const WorkDir dir;
    writeCalendarData(dir);
    const QByteArray before = dir.read(u"appoint.dat"_s);
    QVERIFY_THROWS_EXCEPTION(FileError, DataExport::writeCalendar(dir.filePath(u"APPOINT.DAT"_s)));
    QVERIFY_THROWS_EXCEPTION(FileError, DataExport::writeContacts(dir.filePath(u"biz.dat"_s)));
    QCOMPARE(dir.read(u"appoint.dat"_s), before);
    QVERIFY(!QFileInfo::exists(dir.filePath(u"biz.dat"_s)));
}

void TestExport::menuExportsAfterAskingToReplace()
{
    const WorkDir dir;
    writeCalendarData(dir);
    writeContactData(dir);
    const QTemporaryDir target;
    const QString ics = QDir(target.path()).filePath(u"velmora-calendar.ics"_s);
    const QString vcf = QDir(target.path()).filePath(u"velmora-contacts.vcf"_s);
    ScriptedDialogs dialogs;
    TestFrame frame;
    SetStatusText(QString());

    // "Export..." comes after "Preferences".
    QStringList names;
    for (const QAction *action : optionsMenu(&frame)->actions())
        names.append(action->objectName());
    QCOMPARE(names, (QStringList{u"fontmnu"_s, u"prefmenu"_s, u"exportmnu"_s, u"exitmenu"_s}));
    auto *command = frame.findChild<QAction *>(u"exportmnu"_s);
    QCOMPARE(command->text(), u"Export..."_s);

    // Cancelling the folder dialog writes nothing.
    dialogs.answerFolder(QString());
    command->trigger();
    QCOMPARE(dialogs.pending(), 0);
    QCOMPARE(dialogs.lastAsked().kind, ScriptedDialogs::Asked::Kind::Folder);
    QVERIFY(!QFileInfo::exists(ics));
    QCOMPARE(StatusPanels::statusText(), QString());

    // A folder without them: written at once.
    dialogs.answerFolder(target.path());
    command->trigger();
    QCOMPARE(dialogs.pending(), 0);
    const QString said = u"Exported 5 appointments, 2 reminders, 4 to-dos and 4 contacts to "_s +
                         QDir::toNativeSeparators(target.path());
    QCOMPARE(StatusPanels::statusText(), said);
    QCOMPARE(readBack(u"ics"_s, ics).value(u"items").toArray().size(), 11);
    QCOMPARE(readBack(u"vcf"_s, vcf).value(u"cards").toArray().size(), 4);

    // Both there now: No keeps them as they are.
    QFile::remove(vcf);
    QFile old(ics);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("kept");
    old.close();
    SetStatusText(QString());
    dialogs.answerFolder(target.path());
    dialogs.answerMessage(Dialogs::Answer::No, u"velmora-calendar.ics already exists in "_s +
                                                   QDir::toNativeSeparators(target.path()) +
                                                   u".\nReplace it?"_s);
    command->trigger();
    QCOMPARE(dialogs.pending(), 0);
    const Dialogs::Message &question = dialogs.lastAsked().message;
    QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(question.defaultButton, 2);
    QCOMPARE(old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray(), QByteArray("kept"));
    old.close();
    QVERIFY(!QFileInfo::exists(vcf));
    QCOMPARE(StatusPanels::statusText(), QString());

    // Yes replaces them.
    DataExport::writeContacts(vcf);
    dialogs.answerFolder(target.path());
    dialogs.answerMessage(Dialogs::Answer::Yes,
                          u"velmora-calendar.ics and velmora-contacts.vcf already exist in "_s +
                              QDir::toNativeSeparators(target.path()) + u".\nReplace them?"_s);
    command->trigger();
    QCOMPARE(dialogs.pending(), 0);
    QCOMPARE(readBack(u"ics"_s, ics).value(u"items").toArray().size(), 11);
    QCOMPARE(StatusPanels::statusText(), said);
}

void TestExport::commandLineExports()
{
    const WorkDir data;
    writeCalendarData(data);
    writeContactData(data);
    const QStringList dataFiles = QDir(data.path()).entryList(QDir::Files, QDir::Name);
    const QTemporaryDir started;
    // The files named are where the program was started, not in the data folder.
    const Run run = runProgram(started.path(), {u"--data-dir"_s, data.path(), u"--export-ics"_s,
                                                u"out.ics"_s, u"--export-vcf"_s, u"out.vcf"_s});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    const QString ics = QDir(started.path()).filePath(u"out.ics"_s);
    const QString vcf = QDir(started.path()).filePath(u"out.vcf"_s);
    QCOMPARE(run.out, u"Exported 5 appointments, 2 reminders and 4 to-dos to "_s + ics +
                          u"\nExported 4 contacts to "_s + vcf + u"\n"_s);
    // The export only read: no data file was made or changed (no window ran).
    QCOMPARE(QDir(data.path()).entryList(QDir::Files, QDir::Name), dataFiles);

    // The same bytes as the menu's function writes.
    const QString menu = QDir(started.path()).filePath(u"menu.ics"_s);
    DataExport::writeCalendar(menu);
    QFile fromLine(ics), fromMenu(menu);
    QVERIFY(fromLine.open(QIODevice::ReadOnly) && fromMenu.open(QIODevice::ReadOnly));
    QCOMPARE(fromLine.readAll(), fromMenu.readAll());
    QCOMPARE(readBack(u"vcf"_s, vcf).value(u"cards").toArray().size(), 4);
}

void TestExport::commandLineFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said");

    QTest::newRow("no such data folder")
        << QStringList{u"--data-dir"_s, u"missing"_s, u"--export-ics"_s, u"out.ics"_s}
        << u"velmora: no data folder "_s;
    QTest::newRow("folder not there")
        << QStringList{u"--data-dir"_s, u"."_s, u"--export-vcf"_s, u"no/such/out.vcf"_s}
        << u"velmora: export failed: "_s;
    QTest::newRow("a data file") << QStringList{u"--data-dir"_s, u"."_s, u"--export-ics"_s,
                                                u"appoint.dat"_s}
                                 << u"velmora: export failed: "_s;
}

void TestExport::commandLineFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    const WorkDir dir;
    writeCalendarData(dir);
    const QByteArray before = dir.read(u"appoint.dat"_s);
    const Run run = runProgram(dir.path(), arguments);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.startsWith(said), qPrintable(run.err));
    QCOMPARE(run.err.count(u'\n'), 1);
    QCOMPARE(run.out, QString());
    QCOMPARE(dir.read(u"appoint.dat"_s), before);
    QVERIFY(!QFileInfo::exists(dir.filePath(u"missing"_s)));
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
