#include "calendar/appointment_store.h"

#include "platform/file_error.h"

#include "scripted_dialogs.h"
#include "work_dir.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int DayLength = AppointmentRecord::Length;
constexpr int MonthLength = MonthRecord::Length;

QByteArray zeros(int n)
{
    return QByteArray(n, '\0');
}

QByteArray dayPlaceholder(qint16 n)
{
    return le16(n) + le16(n) + padded("10/12/96", 20) + le16(9) + le16(9) + zeros(1440 + 1500);
}

QByteArray monthPlaceholder(qint16 n)
{
    return le16(n) + padded("10/12/1997", 20) + zeros(82);
}

// A day record as the store writes it: slot notes by slot index, the rest blank.
QByteArray dayBytes(qint16 n, const QByteArray &key, const QMap<int, QByteArray> &notes = {},
                    const QByteArray &note = {})
{
    QByteArray bytes = le16(n) + le16(0) + padded(key, 20) + le16(0) + le16(0);
    for (int k = 0; k < 24; ++k)
        bytes += padded(notes.value(k), 60);
    return bytes + padded(note, 1500);
}

QByteArray monthBytes(qint16 n, const QByteArray &key, const QList<int> &cells)
{
    QByteArray bytes = le16(n) + padded(key, 20);
    for (int j = 1; j <= 41; ++j)
        bytes += le16(cells.contains(j) ? 1 : 0);
    return bytes;
}

QByteArray record(const QByteArray &file, int n, int length)
{
    return file.mid(qsizetype(n - 1) * length, length);
}

AppointmentStore::DayEntry entry(const QString &day, const QString &month, int cell, int slot = -1,
                                 const QString &slotNote = {}, const QString &note = {})
{
    return {day, month, cell, slot, slotNote, note};
}

// Stops a delete the way a killed process stops: no handler of the store runs.
struct Killed
{
};

} // namespace

class TestAppointments : public QObject
{
    Q_OBJECT

private slots:
    void newStoreHoldsPlaceholders();
    void existingFilesAreKept();
    void firstSaveAppendsDayAndMonth();
    void laterSavesRewriteInPlace();
    void dayInCellZeroHasNoFlag();
    void lookupComparesTrimmedKeys_data();
    void lookupComparesTrimmedKeys();
    void firstEqualKeyWins();

    void deleteKeepsRecordNumbers_data();
    void deleteKeepsRecordNumbers();
    void deleteWithoutRecordTouchesNothing();
    void deleteSurvivesAStopAtEveryStep_data();
    void deleteSurvivesAStopAtEveryStep();
    void deleteFailureLeavesTheFile_data();
    void deleteFailureLeavesTheFile();
};

void TestAppointments::newStoreHoldsPlaceholders()
{
    WorkDir dir;
    AppointmentStore store;
    store.open();
    QCOMPARE(dir.read(u"appoint.dat"_s), dayPlaceholder(1) + dayPlaceholder(2));
    QCOMPARE(dir.read(u"cal.dat"_s), monthPlaceholder(1) + monthPlaceholder(2));
    QVERIFY(!QFile::exists(dir.filePath(u"temp.dat"_s)));
    QVERIFY(!store.findDay(u"7/4/1997").match);
    QVERIFY(!store.findMonth(u"7/1997").match);
}

void TestAppointments::existingFilesAreKept()
{
    WorkDir dir;
    const QByteArray days = dayPlaceholder(1) + dayPlaceholder(2) + dayBytes(3, "7/4/1997");
    dir.write(u"APPOINT.DAT"_s, days);
    dir.write(u"cal.dat"_s, "short");
    AppointmentStore store;
    store.open();
    QCOMPARE(dir.read(u"APPOINT.DAT"_s), days);
    QVERIFY(!QFile::exists(dir.filePath(u"appoint.dat"_s)));
    QCOMPARE(dir.read(u"cal.dat"_s), QByteArray("short"));
    QCOMPARE(store.dayCount(), 3);
    QCOMPARE(store.monthCount(), 0);
    QCOMPARE(store.findDay(u"7/4/1997").position, 3);
}

void TestAppointments::firstSaveAppendsDayAndMonth()
{
    WorkDir dir;
    AppointmentStore store;
    store.open();
    // 1 July 1997 is a Tuesday: the 4th sits in cell 5.
    const auto saved = store.saveDay(
        entry(u"7/4/1997"_s, u"7/1997"_s, 5, 2, u"Dentist"_s, u"Bring\r\nthe card"_s));
    QCOMPARE(saved.position, 3);
    QCOMPARE(saved.monthPosition, 3);
    QVERIFY(!saved.dayFound && !saved.monthFound);
    QCOMPARE(dir.read(u"appoint.dat"_s),
             dayPlaceholder(1) + dayPlaceholder(2) +
                 dayBytes(3, "7/4/1997", {{2, "Dentist"}}, "Bring\r\nthe card"));
    QCOMPARE(dir.read(u"cal.dat"_s),
             monthPlaceholder(1) + monthPlaceholder(2) + monthBytes(3, "7/1997", {5}));
}

void TestAppointments::laterSavesRewriteInPlace()
{
    WorkDir dir;
    AppointmentStore store;
    store.open();
    store.saveDay(entry(u"7/4/1997"_s, u"7/1997"_s, 5, 0, u"Early"_s));
    store.saveDay(entry(u"8/1/1997"_s, u"8/1997"_s, 5, 1, u"August"_s));
    // Another day of July: the July record gains a flag, nothing is appended to cal.dat.
    auto saved = store.saveDay(entry(u"7/10/1997"_s, u"7/1997"_s, 11, 3, u"Tenth"_s));
    QCOMPARE(saved.monthPosition, 3);
    QVERIFY(saved.monthFound);
    QCOMPARE(saved.position, 5);
    QCOMPARE(record(dir.read(u"cal.dat"_s), 3, MonthLength), monthBytes(3, "7/1997", {5, 11}));
    QCOMPARE(dir.read(u"cal.dat"_s).size(), 4 * MonthLength);

    // The same day again, typed in another case: its record is rewritten where it is, the
    // slot not entered keeps its note.
    saved = store.saveDay(entry(u"7/4/1997 "_s, u"7/1997"_s, 5, 23, u"Late"_s, u"Note"_s));
    QCOMPARE(saved.position, 3);
    QVERIFY(saved.dayFound);
    const QByteArray days = dir.read(u"appoint.dat"_s);
    QCOMPARE(days.size(), 5 * DayLength);
    QCOMPARE(record(days, 3, DayLength),
             dayBytes(3, "7/4/1997 ", {{0, "Early"}, {23, "Late"}}, "Note"));
    QCOMPARE(record(days, 4, DayLength), dayBytes(4, "8/1/1997", {{1, "August"}}));
}

void TestAppointments::dayInCellZeroHasNoFlag()
{
    WorkDir dir;
    AppointmentStore store;
    store.open();
    // June 1997 starts on a Sunday.
    store.saveDay(entry(u"6/1/1997"_s, u"6/1997"_s, 0, 0, u"First"_s));
    const QByteArray months = dir.read(u"cal.dat"_s);
    QCOMPARE(months.size(), 3 * MonthLength);
    QCOMPARE(record(months, 3, MonthLength), monthBytes(3, "6/1997", {}));
    QCOMPARE(store.findDay(u"6/1/1997").position, 3);
}

void TestAppointments::lookupComparesTrimmedKeys_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<bool>("match");

    QTest::newRow("padded") << padded("7/4/1997", 20) << u"7/4/1997"_s << true;
    QTest::newRow("leading spaces") << padded("  7/4/1997", 20) << u"7/4/1997"_s << true;
    QTest::newRow("wanted padded") << padded("7/4/1997", 20) << u" 7/4/1997  "_s << true;
    QTest::newRow("other day") << padded("7/4/1997", 20) << u"7/14/1997"_s << false;
    QTest::newRow("leading zero") << padded("07/4/1997", 20) << u"7/4/1997"_s << false;
    QTest::newRow("never written") << zeros(20) << u"7/4/1997"_s << false;
    QTest::newRow("zero after key")
        << QByteArray("7/4/1997").append(zeros(12)) << u"7/4/1997"_s << false;
}

void TestAppointments::lookupComparesTrimmedKeys()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, wanted);
    QFETCH(bool, match);

    WorkDir dir;
    QByteArray day = dayBytes(3, "");
    day.replace(4, 20, stored);
    dir.write(u"appoint.dat"_s, dayPlaceholder(1) + dayPlaceholder(2) + day);
    QByteArray month = monthBytes(3, "", {});
    month.replace(2, 20, stored);
    dir.write(u"cal.dat"_s, monthPlaceholder(1) + monthPlaceholder(2) + month);

    const AppointmentStore store;
    QCOMPARE(store.findDay(wanted).match, match);
    QCOMPARE(store.findDay(wanted).position, match ? 3 : 1);
    // Month keys compare the same way.
    QCOMPARE(store.findMonth(wanted).match, match);
}

void TestAppointments::firstEqualKeyWins()
{
    WorkDir dir;
    // Record 1 is never looked at; a partial record at the end is not a record.
    dir.write(u"appoint.dat"_s, dayBytes(1, "7/4/1997") + dayPlaceholder(2) +
                                    dayBytes(3, "7/5/1997") + dayBytes(4, "7/4/1997") +
                                    dayBytes(5, "7/4/1997") + QByteArray(100, 'x'));
    const AppointmentStore store;
    QCOMPARE(store.findDay(u"7/4/1997").position, 4);
    QCOMPARE(store.dayCount(), 5);
}

void TestAppointments::deleteKeepsRecordNumbers_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("records");

    QTest::newRow("middle") << 4 << 5;
    QTest::newRow("last") << 5 << 4;
    QTest::newRow("only day") << 3 << 2;
}

void TestAppointments::deleteKeepsRecordNumbers()
{
    QFETCH(int, position);
    QFETCH(int, records);

    WorkDir dir;
    QList<QByteArray> days{dayPlaceholder(1), dayPlaceholder(2), dayBytes(3, "7/4/1997"),
                           dayBytes(4, "7/10/1997", {{5, "Lunch"}}, "memo"),
                           dayBytes(5, "8/1/1997")};
    if (position == 3)
        days.resize(3);
    const QByteArray before = days.join();
    dir.write(u"appoint.dat"_s, before);
    dir.write(u"temp.dat"_s, "old");
    dir.write(u"cal.dat"_s, monthPlaceholder(1) + monthPlaceholder(2) +
                                monthBytes(3, "7/1997", {5, 11}) + monthBytes(4, "8/1997", {5}));

    const AppointmentStore store;
    const auto deleted = store.deleteDay(position, 3, 11);
    QVERIFY(deleted.erased);
    QCOMPARE(deleted.tempCount, int(days.size()));

    // The placeholders are copied like any record: their reserved fields become 0.
    QByteArray placeholder = dayPlaceholder(1);
    placeholder.replace(2, 2, le16(0));
    placeholder.replace(24, 4, zeros(4));
    QList<QByteArray> expected = days;
    expected[0] = placeholder;
    placeholder.replace(0, 2, le16(2));
    expected[1] = placeholder;
    expected[position - 1] = zeros(DayLength);
    expected.resize(records);
    QCOMPARE(dir.read(u"appoint.dat"_s), expected.join());
    QCOMPARE(dir.read(u"temp.dat"_s), before);
    QCOMPARE(record(dir.read(u"cal.dat"_s), 3, MonthLength), monthBytes(3, "7/1997", {5}));
    QVERIFY(!QFile::exists(dir.filePath(AppointmentStore::newDayFileName())));
    QCOMPARE(store.findDay(u"7/4/1997").match, position != 3);
}

void TestAppointments::deleteWithoutRecordTouchesNothing()
{
    WorkDir dir;
    AppointmentStore store;
    store.open();
    store.saveDay(entry(u"7/4/1997"_s, u"7/1997"_s, 5, 0, u"x"_s));
    const QByteArray days = dir.read(u"appoint.dat"_s);
    const QByteArray months = dir.read(u"cal.dat"_s);
    QVERIFY(!store.deleteDay(1, 3, 5).erased);
    QCOMPARE(dir.read(u"appoint.dat"_s), days);
    QCOMPARE(dir.read(u"cal.dat"_s), months);
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).size() == 2);
}

void TestAppointments::deleteSurvivesAStopAtEveryStep_data()
{
    QTest::addColumn<int>("stopAt");
    QTest::addColumn<bool>("done");

    using Step = AppointmentStore::DeleteStep;
    const QList<std::pair<Step, const char *>> steps{
        {Step::NewFileHalfWritten, "new file half written"},
        {Step::NewFileWritten, "new file written"},
        {Step::NewFileSynced, "new file on disk"},
        {Step::TempRemoved, "temp.dat removed"},
        {Step::OldFileRenamed, "appoint.dat renamed"},
        {Step::NewFileRenamed, "new file in place"},
        {Step::MonthUpdated, "month updated"},
    };
    QCOMPARE(int(steps.size()), AppointmentStore::DeleteStepCount);
    for (const auto &[step, name] : steps)
        QTest::newRow(name) << int(step) << (step >= Step::OldFileRenamed);
}

void TestAppointments::deleteSurvivesAStopAtEveryStep()
{
    QFETCH(int, stopAt);
    QFETCH(bool, done);

    WorkDir dir;
    AppointmentStore store;
    store.open();
    const QStringList keys{u"7/4/1997"_s, u"7/10/1997"_s, u"8/1/1997"_s};
    for (const QString &key : keys)
        store.saveDay(entry(key, key.section(u'/', 0, 0) + u'/' + key.section(u'/', 2), 5, 0, key));
    const QByteArray before = dir.read(u"appoint.dat"_s);
    dir.write(u"temp.dat"_s, "older");

    store.setDeleteStepHook([stopAt](AppointmentStore::DeleteStep step) {
        if (int(step) == stopAt)
            throw Killed();
    });
    QVERIFY_THROWS_EXCEPTION(Killed, store.deleteDay(4, 3, 5));

    // The next load.
    const AppointmentStore next;
    next.open();
    QVERIFY(!QFile::exists(dir.filePath(AppointmentStore::newDayFileName())));
    QCOMPARE(next.findDay(keys[0]).position, 3);
    QCOMPARE(next.findDay(keys[1]).match, !done);
    QCOMPARE(next.findDay(keys[2]).position, 5);
    QCOMPARE(next.readDay(5).SlotNote[0], QString::fromLatin1(padded("8/1/1997", 60)));
    if (done) {
        QCOMPARE(dir.read(u"temp.dat"_s), before);
        QCOMPARE(record(dir.read(u"appoint.dat"_s), 4, DayLength), zeros(DayLength));
    } else {
        QCOMPARE(dir.read(u"appoint.dat"_s), before);
    }
    // A later delete starts from whatever the load left.
    QVERIFY(next.deleteDay(5, 4, 5).erased);
    QCOMPARE(next.dayCount(), 4);
    QCOMPARE(next.findDay(keys[0]).position, 3);
}

void TestAppointments::deleteFailureLeavesTheFile_data()
{
    QTest::addColumn<int>("failAt");
    QTest::addColumn<bool>("tempIsDirectory");

    using Step = AppointmentStore::DeleteStep;
    QTest::newRow("temp.dat cannot be removed") << -1 << true;
    QTest::newRow("appoint.dat cannot be renamed") << int(Step::TempRemoved) << false;
    QTest::newRow("new file cannot take its place") << int(Step::OldFileRenamed) << false;
}

void TestAppointments::deleteFailureLeavesTheFile()
{
    QFETCH(int, failAt);
    QFETCH(bool, tempIsDirectory);

    WorkDir dir;
    AppointmentStore store;
    store.open();
    store.saveDay(entry(u"7/4/1997"_s, u"7/1997"_s, 5, 0, u"x"_s));
    const QByteArray days = dir.read(u"appoint.dat"_s);
    if (tempIsDirectory) {
        QVERIFY(QDir(dir.path()).mkpath(u"temp.dat/inside"_s));
    }
    store.setDeleteStepHook([failAt](AppointmentStore::DeleteStep step) {
        if (int(step) == failAt)
            throw FileError(u"appoint.dat"_s, u"Permission denied"_s);
    });
    QVERIFY_THROWS_EXCEPTION(FileError, store.deleteDay(3, 3, 5));
    QCOMPARE(dir.read(u"appoint.dat"_s), days);
    QVERIFY(!QFile::exists(dir.filePath(AppointmentStore::newDayFileName())));
    QCOMPARE(store.findDay(u"7/4/1997").position, 3);
}

QTEST_MAIN(TestAppointments)
#include "tst_appointments.moc"
