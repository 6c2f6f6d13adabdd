#include "app/window_table.h"
#include "calendar/appointment_store.h"
#include "calendar/appointments_window.h"
#include "calendar/month_grid.h"

#include "platform/file_error.h"
#include "platform/printer.h"
#include "platform/status_panels.h"
#include "platform/working_date.h"
#include "shell/main_window.h"
#include "shell/tool_windows.h"

#include "pdf_text.h"
#include "scripted_dialogs.h"
#include "typing.h"
#include "work_dir.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
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

QByteArray setupBytes(const QByteArray &startHour)
{
    return le16(0) + padded(startHour, 10) + le16(5) + le16(0) + padded("", 50) + padded("", 50);
}

template <typename T> T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

QStringList rows(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Cyan(0, 255, 255);

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

    void windowLoadCreatesTheStore();
    void mainWindowOpensIt();
    void timeListFollowsTheStartHour_data();
    void timeListFollowsTheStartHour();
    void slotEntryNeedsADay();
    void slotEntrySavesTheDay();
    void cancelledEntryStoresASpace();
    void dayNoteSavedWithSaveIt();
    void dayNoteTypedAtItsEndIsStoredWhole();
    void slotNoteBoxTakesItsField();
    void declinedSlotNoteIsNeverWrittenLater();
    void yearStepsOutsideTheLimitsStep_data();
    void yearStepsOutsideTheLimitsStep();
    void saveNeedsADayInTheCell();
    void fallbackStepShowsNoMarks();
    void deleteFromTheWindow();
    void yearStepSelectsTheDayDeleted();
    void emptyCellSelectsNoDayToDelete_data();
    void emptyCellSelectsNoDayToDelete();
    void notesScrollWithTheirTimes();
    void unsavedSlotNoteStaysWithItsDay_data();
    void unsavedSlotNoteStaysWithItsDay();
    void clickTakesTheMonthOnShow();
    void printsTheDay();
    void printingDropsTheEnteredSlot();
    void notePageTakesTabWhereItShows();
    void returnOnATimeEntersItsNote_data();
    void returnOnATimeEntersItsNote();
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
    QTest::addColumn<bool>("killProcess");

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
    for (const bool killProcess : {false, true}) {
        for (const auto &[step, name] : steps) {
            QTest::addRow("%s%s", name, killProcess ? ", process killed" : "")
                << int(step) << (step >= Step::TempRemoved) << killProcess;
        }
    }
}

void TestAppointments::deleteSurvivesAStopAtEveryStep()
{
    QFETCH(int, stopAt);
    QFETCH(bool, done);
    QFETCH(bool, killProcess);

    WorkDir dir;
    AppointmentStore store;
    store.open();
    const QStringList keys{u"7/4/1997"_s, u"7/10/1997"_s, u"8/1/1997"_s};
    for (const QString &key : keys)
        store.saveDay(entry(key, key.section(u'/', 0, 0) + u'/' + key.section(u'/', 2), 5, 0, key));
    const QByteArray before = dir.read(u"appoint.dat"_s);
    dir.write(u"temp.dat"_s, "older");

    if (killProcess) {
#ifdef Q_OS_UNIX
        // The same delete in a process of its own that SIGKILLs itself at the step.
        QProcess child;
        child.setWorkingDirectory(dir.path());
        child.start(QStringLiteral(APPOINTMENT_DELETE_CHILD),
                    {QString::number(stopAt), u"4"_s, u"3"_s, u"5"_s});
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
#else
        QSKIP("needs SIGKILL");
#endif
    } else {
        store.setDeleteStepHook([stopAt](AppointmentStore::DeleteStep step) {
            if (int(step) == stopAt)
                throw Killed();
        });
        QVERIFY_THROWS_EXCEPTION(Killed, store.deleteDay(4, 3, 5));
    }

    // The next load.
    const AppointmentStore next;
    next.open();
    QVERIFY(!QFile::exists(dir.filePath(AppointmentStore::newDayFileName())));
    QCOMPARE(next.findDay(keys[0]).position, 3);
    QCOMPARE(next.findDay(keys[1]).match, !done);
    QCOMPARE(next.findDay(keys[2]).position, 5);
    QCOMPARE(next.readDay(5).SlotNote[0], QString::fromLatin1(padded("8/1/1997", 60)));
    // The month's red day goes with the day, and only with it.
    QCOMPARE(next.readMonth(3).DayFlags[5], qint16(done ? 0 : 1));
    QVERIFY(!QFile::exists(dir.filePath(AppointmentStore::deleteNoteName())));
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

// --- the window ---------------------------------------------------------------------------

namespace {

// 10 July 1997; the 1st of July 1997 is a Tuesday, so day d sits in cell d + 1.
const QDate Today(1997, 7, 10);

class WindowFixture
{
public:
    explicit WindowFixture(const QByteArray &startHour = "8 AM")
    {
        WorkingDate::setClock([] { return Today; });
        WorkingDate::set(Today);
        RecordStartDate();
        dir.write(u"setup.dat"_s, setupBytes(startHour));
    }
    ~WindowFixture() { WorkingDate::setClock({}); }

    form5 &window()
    {
        if (!m_window) {
            m_window = std::make_unique<form5>();
            m_window->show();
        }
        return *m_window;
    }
    void clickCell(int index) { QTest::mouseClick(window().grid()->cell(index), Qt::LeftButton); }
    void doubleClickTime(int row)
    {
        list("List1")->setCurrentRow(row);
        window().List1_DblClick();
    }
    QListWidget *list(const char *name) { return child<QListWidget>(&window(), name); }
    QPushButton *button(const char *name) { return child<QPushButton>(&window(), name); }
    QByteArray dayRecord(int n) { return record(dir.read(u"appoint.dat"_s), n, DayLength); }

    WorkDir dir;
    ScriptedDialogs dialogs;

private:
    std::unique_ptr<form5> m_window;
};

} // namespace

void TestAppointments::windowLoadCreatesTheStore()
{
    WindowFixture f;
    form5 &w = f.window();
    QCOMPARE(w.objectName(), u"form5"_s);
    QCOMPARE(w.windowTitle(), u"APPOINTMENTS"_s);
    QCOMPARE(f.dir.read(u"appoint.dat"_s), dayPlaceholder(1) + dayPlaceholder(2));
    QCOMPARE(f.dir.read(u"cal.dat"_s), monthPlaceholder(1) + monthPlaceholder(2));
    QCOMPARE(StatusPanels::statusText(), u"2 Records"_s);
    QCOMPARE(StatusPanels::hintText(), u"HINT : Click on a Day to View a Note"_s);
    QCOMPARE(child<QLineEdit>(&w, "Text2")->text(), u"No Note Selected"_s);
    // Today is marked; nothing is red in a new store.
    QCOMPARE(w.grid()->cellBackground(11), Blue);
    QCOMPARE(w.grid()->cell(11)->text(), u"10"_s);
}

void TestAppointments::mainWindowOpensIt()
{
    WindowFixture f; // setup.dat names the appointments as the start-up window
    VL32V1 main(createToolWindow);
    main.show();
    auto *w = qobject_cast<form5 *>(main.toolWindow(ToolWindowId::form5));
    QVERIFY(w);
    QVERIFY(w->isLoaded());
    QVERIFY(!w->isWindow());
    QCOMPARE(main.openWindow(ToolWindowId::form5), w);
    QCOMPARE(f.dir.read(u"appoint.dat"_s).size(), 2 * DayLength);
}

void TestAppointments::timeListFollowsTheStartHour_data()
{
    QTest::addColumn<QByteArray>("startHour");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    QTest::newRow("8 AM") << QByteArray("8 AM") << u"08:00 AM"_s << u"07:30 PM"_s;
    QTest::newRow("10") << QByteArray("10") << u"10:00 AM"_s << u"09:30 PM"_s;
    QTest::newRow("6") << QByteArray("6") << u"06:00 AM"_s << u"05:30 PM"_s;
    // Hours the list cannot start at are brought to the nearest one it can.
    QTest::newRow("noon") << QByteArray("12 PM") << u"10:00 AM"_s << u"09:30 PM"_s;
    QTest::newRow("no number") << QByteArray("early") << u"06:00 AM"_s << u"05:30 PM"_s;
}

void TestAppointments::timeListFollowsTheStartHour()
{
    QFETCH(QByteArray, startHour);
    QFETCH(QString, first);
    QFETCH(QString, last);

    WindowFixture f(startHour);
    const QStringList times = rows(f.list("List1"));
    QCOMPARE(times.size(), 24);
    QCOMPARE(times.first(), first);
    QCOMPARE(times.last(), last);
    if (startHour == "8 AM") {
        QCOMPARE(times.mid(0, 5), (QStringList{u"08:00 AM"_s, u"08:30 AM"_s, u"09:00 AM"_s,
                                               u"09:30 AM"_s, u"10:00 AM"_s}));
        QCOMPARE(times.mid(8, 4),
                 (QStringList{u"12:00 PM"_s, u"12:30 PM"_s, u"01:00 PM"_s, u"01:30 PM"_s}));
    }
}

void TestAppointments::slotEntryNeedsADay()
{
    WindowFixture f;
    f.window();
    f.dialogs.answerMessage(Dialogs::Answer::Ok, u"You MUST click a Day First"_s);
    f.doubleClickTime(3);
    QCOMPARE(f.dialogs.asked().size(), 1);
    QCOMPARE(f.dir.read(u"appoint.dat"_s).size(), 2 * DayLength);
}

void TestAppointments::slotEntrySavesTheDay()
{
    WindowFixture f;
    form5 &w = f.window();
    f.clickCell(5); // 4 July
    QCOMPARE(w.curAppointDate, u"7/4/1997"_s);
    QVERIFY(rows(f.list("List3")).isEmpty());

    f.dialogs.answerInput(u"Dentist"_s);
    f.dialogs.answerMessage(Dialogs::Answer::No, u"Do you want to Save it ?"_s);
    f.doubleClickTime(2);
    QCOMPARE(f.dialogs.asked().at(0).prompt, u"ENTER YOUR APPOINTMENT NOTE"_s);
    QCOMPARE(f.dialogs.asked().at(0).title, u"Appointment Note"_s);
    QCOMPARE(f.dialogs.asked().at(1).message.title, u"Save It"_s);
    QCOMPARE(f.dir.read(u"appoint.dat"_s).size(), 2 * DayLength);

    f.dialogs.answerInput(u"Dentist"_s);
    f.dialogs.answerMessage(Dialogs::Answer::Yes, u"Do you want to Save it ?"_s);
    f.doubleClickTime(2);
    QCOMPARE(f.dayRecord(3), dayBytes(3, "7/4/1997", {{2, "Dentist"}}));
    QCOMPARE(record(f.dir.read(u"cal.dat"_s), 3, MonthLength), monthBytes(3, "7/1997", {5}));
    QCOMPARE(f.list("List3")->count(), 24);
    QCOMPARE(f.list("List3")->item(2)->text(), u"Dentist"_s);

    // The next click shows the day red and its note in the input box.
    f.clickCell(6);
    QCOMPARE(w.grid()->cellTextColour(5), Red);
    f.clickCell(5);
    f.dialogs.answerInput(u"Dentist at 9"_s);
    f.dialogs.answerMessage(Dialogs::Answer::Yes);
    f.doubleClickTime(2);
    QCOMPARE(f.dialogs.lastAsked().kind, ScriptedDialogs::Asked::Kind::Message);
    QCOMPARE(f.dialogs.asked().at(f.dialogs.asked().size() - 2).defaultText, u"Dentist"_s);
    QCOMPARE(f.dialogs.asked().at(f.dialogs.asked().size() - 2).fieldWidth, 60);
    QCOMPARE(f.dayRecord(3), dayBytes(3, "7/4/1997", {{2, "Dentist at 9"}}));
    QCOMPARE(f.dir.read(u"appoint.dat"_s).size(), 3 * DayLength);
}

void TestAppointments::cancelledEntryStoresASpace()
{
    WindowFixture f;
    AppointmentStore().open();
    AppointmentStore().saveDay(entry(u"7/4/1997"_s, u"7/1997"_s, 5, 7, u"Lunch"_s));
    f.window();
    f.clickCell(5);
    f.dialogs.answerInput(QString());
    f.dialogs.answerMessage(Dialogs::Answer::Yes);
    f.doubleClickTime(7);
    QCOMPARE(f.dayRecord(3), dayBytes(3, "7/4/1997", {{7, " "}}));
}

void TestAppointments::dayNoteSavedWithSaveIt()
{
    WindowFixture f;
    AppointmentStore().open();
    AppointmentStore().saveDay(entry(u"7/4/1997"_s, u"7/1997"_s, 5, 0, u"Early"_s));
    form5 &w = f.window();
    f.clickCell(5);
    w.Command7_Click();
    QCOMPARE(w.PageSel, 1);
    auto *text4 = child<QPlainTextEdit>(&w, "Text4");
    QVERIFY(text4->isVisibleTo(&w));
    text4->setPlainText(u"Call Ann\nthen Bob"_s);
    // A time chosen without entering a note leaves the slots as they are.
    f.list("List1")->setCurrentRow(4);
    QTest::mouseClick(child<QPushButton>(&w, "Command9"), Qt::LeftButton);
    QCOMPARE(f.dayRecord(3), dayBytes(3, "7/4/1997", {{0, "Early"}}, "Call Ann\r\nthen Bob"));
    w.Command8_Click();
    QCOMPARE(w.PageSel, 0);
    QVERIFY(!text4->isVisibleTo(&w));
}

void TestAppointments::dayNoteTypedAtItsEndIsStoredWhole()
{
    WindowFixture f;
    AppointmentStore().open();
    AppointmentStore().saveDay(
        entry(u"7/4/1997"_s, u"7/1997"_s, 5, 0, u"Early"_s, u"first\r\nABC note"_s));
    form5 &w = f.window();
    QApplication::setActiveWindow(&w);
    f.clickCell(5);
    QTest::mouseClick(f.button("Command7"), Qt::LeftButton);
    typeAtEnd(child<QPlainTextEdit>(&w, "Text4"), u" and buy stamps"_s);
    QTest::mouseClick(f.button("Command9"), Qt::LeftButton);
    QCOMPARE(f.dayRecord(3),
             dayBytes(3, "7/4/1997", {{0, "Early"}}, "first\r\nABC note and buy stamps"));
}

void TestAppointments::slotNoteBoxTakesItsField()
{
    WindowFixture f;
    form5 &w = f.window();
    f.clickCell(5);
    // The input box takes the 60 characters of the slot's field, as the box of the window does.
    f.dialogs.answerInput(QString(70, u'x'));
    f.dialogs.answerMessage(Dialogs::Answer::Yes, u"Do you want to Save it ?"_s);
    f.doubleClickTime(3);
    QCOMPARE(f.dialogs.asked().at(0).fieldWidth, 60);
    QCOMPARE(child<QLineEdit>(&w, "Text3")->text(), QString(60, u'x'));
    QCOMPARE(f.dayRecord(3), dayBytes(3, "7/4/1997", {{3, QByteArray(60, 'x')}}));
    child<QLineEdit>(&w, "Text3")->setText(QString(61, u'y'));
    QCOMPARE(child<QLineEdit>(&w, "Text3")->text(), QString(60, u'y'));
}

void TestAppointments::declinedSlotNoteIsNeverWrittenLater()
{
    WindowFixture f;
    form5 &w = f.window();
    QApplication::setActiveWindow(&w);
    f.clickCell(5);
    f.dialogs.answerInput(u"Dentist"_s);
    f.dialogs.answerMessage(Dialogs::Answer::No, u"Do you want to Save it ?"_s);
    f.doubleClickTime(2);
    // The window is activated again (which rebuilds the time list), then the day is saved.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(&w);
    QTest::mouseClick(f.button("Command9"), Qt::LeftButton);
    QCOMPARE(f.dayRecord(3), dayBytes(3, "7/4/1997"));
}

void TestAppointments::yearStepsOutsideTheLimitsStep_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDate>("to");
    QTest::newRow("<< in 1980") << QDate(1980, 5, 5) << u"Command2"_s << QDate(1980, 5, 5);
    QTest::newRow("<< in 1979") << QDate(1979, 5, 5) << u"Command2"_s << QDate(1978, 5, 5);
    QTest::newRow(">> in 2050") << QDate(2050, 5, 5) << u"Command6"_s << QDate(2050, 5, 5);
    QTest::newRow(">> in 2051") << QDate(2051, 5, 5) << u"Command6"_s << QDate(2052, 5, 5);
}

void TestAppointments::yearStepsOutsideTheLimitsStep()
{
    QFETCH(QDate, from);
    QFETCH(QString, button);
    QFETCH(QDate, to);
    WindowFixture f;
    f.window();
    // Another calendar set the working date.
    WorkingDate::set(from);
    QTest::mouseClick(f.button(button.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(WorkingDate::current(), to);
}

void TestAppointments::saveNeedsADayInTheCell()
{
    WindowFixture f;
    form5 &w = f.window();
    f.clickCell(40); // past the 31st
    f.dialogs.answerInput(u"x"_s);
    f.dialogs.answerMessage(Dialogs::Answer::Yes);
    f.dialogs.answerMessage(Dialogs::Answer::Ok, u"You MUST click a Day First"_s);
    f.doubleClickTime(0);
    w.Command7_Click();
    f.dialogs.answerMessage(Dialogs::Answer::Ok, u"You MUST click a Day First"_s);
    w.Command9_Click();
    QCOMPARE(f.dir.read(u"appoint.dat"_s).size(), 2 * DayLength);
    QCOMPARE(f.dir.read(u"cal.dat"_s).size(), 2 * MonthLength);
}

void TestAppointments::fallbackStepShowsNoMarks()
{
    WindowFixture f;
    WorkingDate::set(QDate(1997, 12, 15));
    RecordStartDate();
    AppointmentStore().open();
    // 1 December 1997 is a Monday: the 3rd sits in cell 3, the 15th in cell 15.
    AppointmentStore().saveDay(entry(u"12/3/1997"_s, u"12/1997"_s, 3, 0, u"x"_s));
    const form5 &w = f.window();
    QCOMPARE(w.grid()->cellTextColour(3), Red);
    QCOMPARE(w.grid()->cellBackground(15), Blue);

    QTest::mouseClick(w.grid()->button(MonthGrid::NextMonth), Qt::LeftButton);
    QCOMPARE(WorkingDate::current(), QDate(1997, 12, 28));
    QCOMPARE(w.grid()->cellTextColour(3), QColor(0, 0, 0));
    QCOMPARE(w.grid()->cellBackground(15), Cyan);

    f.clickCell(20);
    QCOMPARE(w.grid()->cellTextColour(3), Red);
    QCOMPARE(w.grid()->cellBackground(28), Blue); // the working day, the 28th
    QCOMPARE(w.grid()->cellBackground(20), Blue);
}

void TestAppointments::deleteFromTheWindow()
{
    WindowFixture f;
    AppointmentStore().open();
    AppointmentStore().saveDay(entry(u"7/4/1997"_s, u"7/1997"_s, 5, 0, u"a"_s));
    AppointmentStore().saveDay(entry(u"7/5/1997"_s, u"7/1997"_s, 6, 0, u"b"_s));
    const QByteArray before = f.dir.read(u"appoint.dat"_s);
    form5 &w = f.window();

    f.clickCell(7); // a day without a record
    f.dialogs.answerMessage(Dialogs::Answer::Yes, u"Delete Appointments & Note for this Day ?"_s);
    w.Command1_Click();
    QCOMPARE(f.dialogs.lastAsked().message.title, u"Delete"_s);
    QCOMPARE(f.dialogs.lastAsked().message.defaultButton, 2);
    QCOMPARE(f.dir.read(u"appoint.dat"_s), before);
    QVERIFY(!QFile::exists(f.dir.filePath(u"temp.dat"_s)));

    f.clickCell(5);
    f.dialogs.answerMessage(Dialogs::Answer::No);
    w.Command1_Click();
    QCOMPARE(f.dir.read(u"appoint.dat"_s), before);

    f.dialogs.answerMessage(Dialogs::Answer::Yes);
    w.Command1_Click();
    QCOMPARE(f.dayRecord(3), zeros(DayLength));
    QCOMPARE(f.dir.read(u"temp.dat"_s), before);
    QCOMPARE(record(f.dir.read(u"cal.dat"_s), 3, MonthLength), monthBytes(3, "7/1997", {6}));
    QCOMPARE(f.list("List3")->count(), 0);

    // A second Delete finds no record for the day and leaves the previous file in temp.dat.
    f.dialogs.answerMessage(Dialogs::Answer::Yes);
    w.Command1_Click();
    QCOMPARE(f.dir.read(u"temp.dat"_s), before);
}

void TestAppointments::yearStepSelectsTheDayDeleted()
{
    WindowFixture f;
    AppointmentStore().open();
    AppointmentStore().saveDay(entry(u"7/4/1997"_s, u"7/1997"_s, 5, 0, u"a"_s));
    AppointmentStore().saveDay(entry(u"7/3/1998"_s, u"7/1998"_s, 5, 0, u"b"_s));
    form5 &w = f.window();
    f.clickCell(5);
    QCOMPARE(w.DeletePos, 3);
    // ">>" shows the same cell a year on, 3 July 1998: Delete now removes that day.
    QTest::mouseClick(w.grid()->button(MonthGrid::NextYear), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(&w, "Text2")->text(), u"7/3/1998"_s);
    QCOMPARE(w.Calclick, 0);
    f.dialogs.answerMessage(Dialogs::Answer::Yes);
    w.Command1_Click();
    const AppointmentStore store;
    QCOMPARE(store.findDay(u"7/4/1997").position, 3);
    QVERIFY(!store.findDay(u"7/3/1998").match);
}

void TestAppointments::emptyCellSelectsNoDayToDelete_data()
{
    QTest::addColumn<bool>("yearStep");
    // Cell 32 is 31 July 1997; a click past the month's end, or "<<" to July 1996 (which starts
    // a day earlier), leaves it without a day.
    QTest::newRow("click on an empty cell") << false;
    QTest::newRow("year step to an empty cell") << true;
}

void TestAppointments::emptyCellSelectsNoDayToDelete()
{
    QFETCH(bool, yearStep);
    WindowFixture f;
    AppointmentStore().open();
    AppointmentStore().saveDay(entry(u"7/31/1997"_s, u"7/1997"_s, 32, 0, u"a"_s));
    const QByteArray days = f.dir.read(u"appoint.dat"_s);
    const QByteArray months = f.dir.read(u"cal.dat"_s);
    form5 &w = f.window();
    f.clickCell(32);
    QCOMPARE(w.DeletePos, 3);
    if (yearStep)
        QTest::mouseClick(w.grid()->button(MonthGrid::PreviousYear), Qt::LeftButton);
    else
        f.clickCell(40);
    QVERIFY(w.grid()->isEmptyCell(w.grid()->calpos));

    // No day is selected: the record shown red must not go while its flag stays.
    f.dialogs.answerMessage(Dialogs::Answer::Yes, u"Delete Appointments & Note for this Day ?"_s);
    w.Command1_Click();
    QCOMPARE(f.dir.read(u"appoint.dat"_s), days);
    QCOMPARE(f.dir.read(u"cal.dat"_s), months);
}

void TestAppointments::notesScrollWithTheirTimes()
{
    WindowFixture f;
    AppointmentStore().open();
    AppointmentStore().saveDay(entry(u"7/4/1997"_s, u"7/1997"_s, 5, 23, u"Last"_s));
    form5 &w = f.window();
    // Too low for the 24 times.
    w.resize(w.width(), w.minimumSizeHint().height());
    w.layout()->activate();
    f.clickCell(5);
    QCoreApplication::processEvents();
    QScrollBar *times = f.list("List1")->verticalScrollBar();
    QScrollBar *notes = f.list("List3")->verticalScrollBar();
    QVERIFY(times->maximum() > 0);
    times->setValue(times->maximum());
    QCOMPARE(notes->value(), times->value());
    notes->setValue(0);
    QCOMPARE(times->value(), 0);
}

void TestAppointments::unsavedSlotNoteStaysWithItsDay_data()
{
    QTest::addColumn<bool>("byStep");
    QTest::newRow("another day clicked") << false;
    QTest::newRow("a month step selects another day") << true;
}

void TestAppointments::unsavedSlotNoteStaysWithItsDay()
{
    QFETCH(bool, byStep);
    WindowFixture f;
    form5 &w = f.window();
    f.clickCell(5); // 4 July
    f.dialogs.answerInput(u"Dentist"_s);
    f.dialogs.answerMessage(Dialogs::Answer::No, u"Do you want to Save it ?"_s);
    f.doubleClickTime(2);
    if (byStep)
        QTest::mouseClick(w.grid()->button(MonthGrid::NextMonth), Qt::LeftButton);
    else
        f.clickCell(6);

    // The day note saved for the other day carries no slot note typed for 4 July.
    w.Command7_Click();
    child<QPlainTextEdit>(&w, "Text4")->setPlainText(u"Card"_s);
    w.Command9_Click();
    const QString other = byStep ? u"8/1/1997"_s : u"7/5/1997"_s;
    QCOMPARE(w.curAppointDate, other);
    QCOMPARE(f.dayRecord(3), dayBytes(3, other.toLatin1(), {}, "Card"));
}

void TestAppointments::clickTakesTheMonthOnShow()
{
    WindowFixture f;
    form5 &w = f.window();
    QTest::mouseClick(w.grid()->button(MonthGrid::NextMonth), Qt::LeftButton);
    QCOMPARE(WorkingDate::current(), QDate(1997, 8, 10));
    // The main window sets the working date back when another window opens; the grid still
    // shows August, where cell 5 is the 1st.
    RestoreStartDate();
    f.clickCell(5);
    QCOMPARE(w.curAppointDate, u"8/1/1997"_s);
    QCOMPARE(w.curMonthYear, u"8/1997"_s);
}

void TestAppointments::printsTheDay()
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("pdftotext is not installed");
    WindowFixture f;
    AppointmentStore().open();
    AppointmentStore().saveDay(entry(u"7/4/1997"_s, u"7/1997"_s, 5, 2, u"Dentist"_s, u"Card"_s));
    form5 &w = f.window();
    f.clickCell(5);
    const QString pdf = f.dir.filePath(u"day.pdf"_s);
    Printing::setOutputFile(pdf);
    const auto printed = [&] { return pdfText(pdf).split(u'\n'); };

    f.dialogs.answerMessage(Dialogs::Answer::Cancel, u"      Do you want Print Now ?"_s);
    w.Command11_Click();
    QVERIFY(!QFile::exists(pdf));

    f.dialogs.answerMessage(Dialogs::Answer::Ok, u"      Do you want Print Now ?"_s);
    w.Command11_Click();
    const QStringList lines = printed();
    QVERIFY(
        lines.value(0).contains(QRegularExpression(u"^\\s+Appointments for : 7/4/1997\\s*$"_s)));
    QCOMPARE(lines.value(1).trimmed(), QString(75, u'_'));
    int timeLines = 0;
    for (const QString &line : lines)
        timeLines += line.contains(QRegularExpression(u"^\\d\\d:\\d0 [AP]M"_s)) ? 1 : 0;
    QCOMPARE(timeLines, 24);
    QVERIFY(lines.value(5).contains(QRegularExpression(u"^09:00 AM +Dentist$"_s)));
    QCOMPARE(lines.count(QString(75, u'_')), 2);

    // A day without a record prints under its own date, with blank notes.
    f.clickCell(6);
    f.dialogs.answerMessage(Dialogs::Answer::Ok);
    w.Command11_Click();
    QVERIFY(printed().value(0).contains(
        QRegularExpression(u"^\\s+Appointments for : 7/5/1997\\s*$"_s)));
    QVERIFY(printed().value(5).contains(QRegularExpression(u"^09:00 AM\\s*$"_s)));
    f.clickCell(5);

    // The note page prints the day note.
    w.Command7_Click();
    f.dialogs.answerMessage(Dialogs::Answer::Ok);
    w.Command11_Click();
    QCOMPARE(printed().value(0).trimmed(), u"Card"_s);

    // A printer that cannot be started is reported, and the window stays as it was.
    Printing::setOutputFile(f.dir.filePath(u"no such folder/day.pdf"_s));
    f.dialogs.answerMessage(Dialogs::Answer::Ok);
    f.dialogs.answerMessage(Dialogs::Answer::Ok, u"Printer Problem"_s);
    w.Command11_Click();
    QCOMPARE(w.PageSel, 1);
    Printing::setOutputFile(QString());
}

void TestAppointments::printingDropsTheEnteredSlot()
{
    WindowFixture f;
    form5 &w = f.window();
    Printing::setOutputFile(f.dir.filePath(u"day.pdf"_s));
    f.clickCell(5);
    f.dialogs.answerInput(u"Dentist"_s);
    f.dialogs.answerMessage(Dialogs::Answer::No);
    f.doubleClickTime(2);
    f.dialogs.answerMessage(Dialogs::Answer::Ok);
    w.Command11_Click();
    QCOMPARE(f.list("List1")->currentRow(), -1);
    // "Save It!" saves the day note only.
    w.Command9_Click();
    QCOMPARE(f.dayRecord(3), dayBytes(3, "7/4/1997"));
    Printing::setOutputFile(QString());
}

void TestAppointments::notePageTakesTabWhereItShows()
{
    WindowFixture f;
    form5 &w = f.window();
    QApplication::setActiveWindow(&w);
    QPushButton *notePage = f.button("Command7");
    notePage->setFocus(Qt::TabFocusReason);
    QTest::keyClick(notePage, Qt::Key_Space);
    QVERIFY(child<QWidget>(&w, "Text4")->isVisible());
    // Over the time list: after it, before the page buttons.
    f.list("List3")->setFocus(Qt::TabFocusReason);
    QStringList reached;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(reached, (QStringList{u"Text4"_s, u"Command9"_s, u"Text7"_s, u"Command7"_s}));
}

void TestAppointments::returnOnATimeEntersItsNote_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("enter") << int(Qt::Key_Enter);
}

void TestAppointments::returnOnATimeEntersItsNote()
{
    QFETCH(int, key);
    WindowFixture f;
    form5 &w = f.window();
    QApplication::setActiveWindow(&w);
    QListWidget *times = f.list("List1");
    times->setFocus();
    // No time chosen yet: Return asks nothing.
    times->setCurrentRow(-1);
    QTest::keyClick(times, Qt::Key(key));
    QVERIFY(f.dialogs.asked().isEmpty());
    // Before a day is picked, Return says so as the double-click does.
    times->setCurrentRow(0);
    f.dialogs.answerMessage(Dialogs::Answer::Ok, u"You MUST click a Day First"_s);
    QTest::keyClick(times, Qt::Key(key));
    f.clickCell(5); // 4 July
    times->setFocus();
    QTest::keyClick(times, Qt::Key_Down);
    QTest::keyClick(times, Qt::Key_Down);
    QCOMPARE(times->currentRow(), 2);
    f.dialogs.answerInput(u"Dentist"_s);
    f.dialogs.answerMessage(Dialogs::Answer::Yes, u"Do you want to Save it ?"_s);
    QTest::keyClick(times, Qt::Key(key));
    QCOMPARE(f.dialogs.asked().size(), 3);
    QCOMPARE(f.dayRecord(3), dayBytes(3, "7/4/1997", {{2, "Dentist"}}));
}

QTEST_MAIN(TestAppointments)
#include "tst_appointments.moc"
