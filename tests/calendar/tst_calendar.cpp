#include "app/window_table.h"
#include "calendar/calendar_arithmetic.h"
#include "calendar/month_grid.h"
#include "calendar/note_file.h"
#include "calendar/personal_calendar_window.h"
#include "calendar/personal_file.h"
#include "calendar/small_calendar_window.h"
#include "settings/preference_files.h"
#include "shell/main_window.h"

#include "platform/file_notices.h"
#include "platform/status_panels.h"
#include "platform/working_date.h"

#include "frame.h"
#include "scripted_dialogs.h"
#include "typing.h"
#include "work_dir.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using Calendar::Step;
using Outcome = Calendar::StepTarget::Outcome;

Q_DECLARE_METATYPE(Calendar::Step)
Q_DECLARE_METATYPE(Calendar::StepTarget::Outcome)

namespace {

const QColor Cyan(0, 255, 255);
const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);

// The clock says 10 December 2026; tests move the working date from there.
const QDate Today(2026, 12, 10);

MonthGridSettings plainSettings()
{
    MonthGridSettings settings;
    settings.cellName = u"Text1"_s;
    settings.headsLabelName = u"Label2"_s;
    settings.columnHeads = u"S M T W T F S"_s;
    return settings;
}

QByteArray noteBytes(qint16 recNo, const QByteArray &key, const QByteArray &text)
{
    return le16(recNo) + padded(key, 40) + padded(text, 300);
}

QByteArray personBytes(qint16 recNo, const QList<QByteArray> &fields)
{
    QByteArray bytes = le16(recNo);
    for (int i = 0; i < PersonRecord::FieldCount; ++i)
        bytes += padded(fields.value(i), i == PersonRecord::Notes ? 500 : 40);
    return bytes;
}

const QByteArray BlankNote = noteBytes(1, "", " ");

template <typename T> T *child(QWidget *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

void click(QWidget *window, const QString &button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

QStringList rows(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList cellTexts(const MonthGrid &grid)
{
    QStringList texts;
    for (int i = 0; i < MonthGrid::CellCount; ++i)
        texts << grid.cell(i)->text();
    return texts;
}

struct CalendarWindow
{
    const char *toolbarKey;
    ToolWindowId id;
};

const CalendarWindow CalendarWindows[] = {{"Main", ToolWindowId::Form1},
                                          {"Appointments", ToolWindowId::form5},
                                          {"cal2", ToolWindowId::Form10}};

// Opens a calendar from the frame's toolbar, active, with the focus on its days.
MonthGrid *openGrid(TestFrame &frame, const QString &toolbarKey)
{
    for (const CalendarWindow &calendar : CalendarWindows) {
        if (toolbarKey != QLatin1String(calendar.toolbarKey))
            continue;
        frame.openFromToolbar<QWidget>(calendar.toolbarKey);
        QWidget *window = frame.toolWindow(calendar.id);
        if (!window)
            return nullptr;
        QApplication::setActiveWindow(window->window());
        auto *grid = window->findChild<MonthGrid *>();
        grid->days()->setFocus(Qt::TabFocusReason);
        return grid;
    }
    return nullptr;
}

} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Calendar arithmetic and the month grid.
    void leapYears_data();
    void leapYears();
    void monthLengthOfTheWorkingMonth_data();
    void monthLengthOfTheWorkingMonth();
    void gridPlacesTheMonth_data();
    void gridPlacesTheMonth();
    void lastRowStaysEmptyInEveryMonth();
    void drawcalMarksTheWorkingDayAndWritesTheCaption();
    void drawcalKeepsTextColoursWhenToldTo();
    void cellsAreDisplayOnly();
    void steps_data();
    void steps();

    // note.dat and personal.dat.
    void newNoteFileHoldsTwoPlaceholders();
    void notesReadAsStoredAndWriteBackByteForByte();
    void notesCountWholeRecordsOnly();
    void personalPlaceholderIsRewrittenInPlace();
    void personFieldsSitAtTheirOffsets();

    // The calendar windows.
    void navigation_data();
    void navigation();
    void smallCalendarTodayAndDeactivationRestore();
    void smallCalendarClickSelectsNothing();

    // The personal calendar and phone book.
    void personalCalendarClickOnlyRecolours();
    void personalCalendarUnloadRestoresTheStartDate();
    void firstLoadCreatesBothFiles();
    void savingANameCreatesRecord2AndKeepsTheEntry();
    void storedEntryTakesTypingInsideItsPadding();
    void deletePhoneEntry_data();
    void deletePhoneEntry();
    void addedPhoneEntryIsAppended();
    void notesAddSaveSelectAndDelete();
    void typingAtTheEndOfAStoredValueKeepsIt_data();
    void typingAtTheEndOfAStoredValueKeepsIt();
    void listsMarkTheEntryTheBoxesShow();
    void existingFilesAreListedAsStored();
    void configuredFontIsApplied();
    void mainWindowOpensBothCalendars();

    // The grids by keyboard, in the three windows as the frame opens them.
    void gridKeys_data();
    void gridKeys();
    void returnOrSpaceClicksTheCurrentDay_data();
    void returnOrSpaceClicksTheCurrentDay();
    void gridIsOneFocusStopWithNamedDays();
    void gridShowsWhereTheKeysAre();

private:
    ScriptedDialogs *m_dialogs = nullptr;
};

void TestCalendar::init()
{
    m_dialogs = new ScriptedDialogs;
    WorkingDate::setClock([] { return Today; });
    WorkingDate::set(Today);
    RecordStartDate();
}

void TestCalendar::cleanup()
{
    QCOMPARE(m_dialogs->pending(), 0);
    delete m_dialogs;
    m_dialogs = nullptr;
    QLocale::setDefault(QLocale::c());
    WorkingDate::setClock({});
}

void TestCalendar::leapYears_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");
    QTest::newRow("1900") << 1900 << false;
    QTest::newRow("1976") << 1976 << true;
    QTest::newRow("1997") << 1997 << false;
    QTest::newRow("2000") << 2000 << true;
    QTest::newRow("2048") << 2048 << true;
    QTest::newRow("2052") << 2052 << true;
    QTest::newRow("2100") << 2100 << false;
}

void TestCalendar::leapYears()
{
    QFETCH(int, year);
    QFETCH(bool, leap);
    QCOMPARE(Calendar::isLeapYear(year), leap);
    // The grid agrees with the date arithmetic of the working date.
    QCOMPARE(Calendar::monthLength(year, 2), QDate(year, 2, 1).daysInMonth());
}

void TestCalendar::monthLengthOfTheWorkingMonth_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("monthlen");
    QTest::addColumn<int>("leap");
    QTest::newRow("February 2000") << QDate(2000, 2, 10) << 29 << 1;
    QTest::newRow("February 2100") << QDate(2100, 2, 10) << 28 << 0;
    QTest::newRow("April") << QDate(1997, 4, 30) << 30 << 0;
    QTest::newRow("December") << QDate(1997, 12, 1) << 31 << 0;
}

void TestCalendar::monthLengthOfTheWorkingMonth()
{
    QFETCH(QDate, date);
    QFETCH(int, monthlen);
    QFETCH(int, leap);
    MonthGrid grid(plainSettings());
    grid.leap = 1; // only February looks at the year, and clears the flag first
    QVERIFY(WorkingDate::set(date));
    grid.getmonthlen();
    QCOMPARE(grid.monthlen, monthlen);
    if (date.month() == 2)
        QCOMPARE(grid.leap, leap);
}

void TestCalendar::gridPlacesTheMonth_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("adjust");
    QTest::addColumn<int>("firstCell");
    QTest::addColumn<int>("lastCell");
    // 1 June 2025 is a Sunday, 1 March 2025 a Saturday.
    QTest::newRow("starts on Sunday") << QDate(2025, 6, 15) << 1 << 0 << 29;
    QTest::newRow("31 days from Saturday") << QDate(2025, 3, 3) << 7 << 6 << 36;
    QTest::newRow("February 2026") << QDate(2026, 2, 1) << 1 << 0 << 27;
}

void TestCalendar::gridPlacesTheMonth()
{
    QFETCH(QDate, date);
    QFETCH(int, adjust);
    QFETCH(int, firstCell);
    QFETCH(int, lastCell);
    QVERIFY(WorkingDate::set(date));
    MonthGrid grid(plainSettings());
    grid.drawcal();
    QCOMPARE(grid.adjust, adjust);
    const QStringList texts = cellTexts(grid);
    for (int i = 0; i < MonthGrid::CellCount; ++i) {
        const QString expected =
            i >= firstCell && i <= lastCell ? QString::number(i - firstCell + 1) : QString();
        QCOMPARE(texts.at(i), expected);
    }
    QCOMPARE(grid.dayInCell(lastCell), date.daysInMonth());
}

void TestCalendar::lastRowStaysEmptyInEveryMonth()
{
    MonthGrid grid(plainSettings());
    for (QDate first(2023, 1, 1); first.year() < 2025; first = first.addMonths(1)) {
        QVERIFY(WorkingDate::set(first));
        grid.drawcal();
        for (int i = 37; i < MonthGrid::CellCount; ++i)
            QVERIFY2(grid.isEmptyCell(i), qPrintable(first.toString(Qt::ISODate)));
    }
}

void TestCalendar::drawcalMarksTheWorkingDayAndWritesTheCaption()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QLabel caption;
    MonthGrid grid(plainSettings());
    grid.setDateLabel(&caption);
    QVERIFY(WorkingDate::set(QDate(1997, 7, 7)));
    grid.markCell(40);
    grid.drawcal();
    QCOMPARE(caption.text(), u"Monday, Jul 7 1997"_s);
    QCOMPARE(grid.daypos, grid.cellOfDay(7));
    QCOMPARE(grid.cell(grid.daypos)->text(), u"7"_s);
    for (int i = 0; i < MonthGrid::CellCount; ++i) {
        const bool marked = i == grid.daypos;
        QCOMPARE(grid.cellBackground(i), marked ? Blue : Cyan);
        QCOMPARE(grid.cellTextColour(i), marked ? White : Black);
    }
}

void TestCalendar::drawcalKeepsTextColoursWhenToldTo()
{
    MonthGridSettings settings = plainSettings();
    settings.marksWorkingDay = false;
    settings.resetsTextColour = false;
    MonthGrid grid(settings);
    grid.daypos = 3;
    grid.setCellTextColour(12, QColor(255, 0, 0));
    grid.drawcal();
    QCOMPARE(grid.cellTextColour(12), QColor(255, 0, 0));
    QCOMPARE(grid.cellBackground(grid.cellOfDay(Today.day())), Cyan);
    QCOMPARE(grid.daypos, 3);
}

void TestCalendar::cellsAreDisplayOnly()
{
    MonthGrid grid(plainSettings());
    grid.show();
    grid.drawcal();
    QCOMPARE(grid.findChildren<QLineEdit *>().size(), MonthGrid::CellCount);
    QCOMPARE(grid.cell(41)->objectName(), u"Text1_41"_s);
    QCOMPARE(grid.heads()->objectName(), u"Label2"_s);
    QList<int> clicked;
    connect(&grid, &MonthGrid::cellClicked, this, [&](int index) { clicked << index; });
    QLineEdit *cell = grid.cell(grid.daypos);
    QTest::mouseClick(cell, Qt::LeftButton);
    QTest::keyClicks(cell, u"99"_s);
    QCOMPARE(clicked, QList<int>({grid.daypos}));
    QCOMPARE(cell->text(), QString::number(Today.day()));
    QVERIFY(cell->isReadOnly());
    QCOMPARE(cell->focusPolicy(), Qt::NoFocus);
}

void TestCalendar::steps_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<Calendar::Step>("step");
    QTest::addColumn<Calendar::StepTarget::Outcome>("outcome");
    QTest::addColumn<QDate>("to");

    // 0: appointments-like rules (day 28 fallback, year limits, December edge to the 28th);
    // 1: small-calendar-like rules (last day, no edges, no limits).
    QTest::newRow("0 > keeps day")
        << 0 << QDate(1997, 3, 15) << Step::NextMonth << Outcome::KeptDay << QDate(1997, 4, 15);
    QTest::newRow("0 > from 31 March")
        << 0 << QDate(1997, 3, 31) << Step::NextMonth << Outcome::FellBack << QDate(1997, 4, 28);
    QTest::newRow("0 < from 31 March") << 0 << QDate(1997, 3, 31) << Step::PreviousMonth
                                       << Outcome::FellBack << QDate(1997, 2, 28);
    QTest::newRow("0 < in January")
        << 0 << QDate(1997, 1, 20) << Step::PreviousMonth << Outcome::Ignored << QDate();
    QTest::newRow("0 > in December")
        << 0 << QDate(1997, 12, 28) << Step::NextMonth << Outcome::FellBack << QDate(1997, 12, 28);
    QTest::newRow("0 << in 1980") << 0 << QDate(1980, 5, 5) << Step::PreviousYear
                                  << Outcome::KeptDay << QDate(1980, 5, 5);
    QTest::newRow("0 >> in 2050") << 0 << QDate(2050, 5, 5) << Step::NextYear << Outcome::KeptDay
                                  << QDate(2050, 5, 5);
    // A date another calendar set outside the limits steps on.
    QTest::newRow("0 << in 1979") << 0 << QDate(1979, 5, 5) << Step::PreviousYear
                                  << Outcome::KeptDay << QDate(1978, 5, 5);
    QTest::newRow("0 >> in 2051") << 0 << QDate(2051, 5, 5) << Step::NextYear << Outcome::KeptDay
                                  << QDate(2052, 5, 5);
    QTest::newRow("0 >> in 2049") << 0 << QDate(2049, 5, 5) << Step::NextYear << Outcome::KeptDay
                                  << QDate(2050, 5, 5);
    QTest::newRow("1 > from 31 March")
        << 1 << QDate(1997, 3, 31) << Step::NextMonth << Outcome::FellBack << QDate(1997, 4, 30);
    QTest::newRow("1 >> from 29 February")
        << 1 << QDate(2024, 2, 29) << Step::NextYear << Outcome::FellBack << QDate(2025, 2, 28);
    QTest::newRow("1 > in December")
        << 1 << QDate(1997, 12, 5) << Step::NextMonth << Outcome::Ignored << QDate();
    QTest::newRow("1 << past year 1")
        << 1 << QDate(1, 3, 1) << Step::PreviousYear << Outcome::Ignored << QDate();
}

void TestCalendar::steps()
{
    QFETCH(int, window);
    QFETCH(QDate, from);
    QFETCH(Calendar::Step, step);
    QFETCH(Calendar::StepTarget::Outcome, outcome);
    QFETCH(QDate, to);
    Calendar::StepRules rules;
    if (window == 0) {
        rules.forwardInDecember = Calendar::YearEdge::Day28;
        rules.monthStepMissingDay = Calendar::MissingDay::Day28;
        rules.firstYear = 1980;
        rules.lastYear = 2050;
    }
    const Calendar::StepTarget target = Calendar::stepTarget(from, step, rules);
    QCOMPARE(target.outcome, outcome);
    QCOMPARE(target.date, to);

    // The grid sets the working date to the target, or leaves it.
    MonthGridSettings settings = plainSettings();
    settings.steps = rules;
    MonthGrid grid(settings);
    QVERIFY(WorkingDate::set(from));
    QCOMPARE(grid.step(step), outcome);
    QCOMPARE(WorkingDate::current(), to.isValid() ? to : from);
}

void TestCalendar::newNoteFileHoldsTwoPlaceholders()
{
    WorkDir dir;
    const NoteFile notes;
    QVERIFY(!notes.exists());
    notes.notecreate();
    QVERIFY(notes.exists());
    QCOMPARE(dir.read(u"note.dat"_s), BlankNote + noteBytes(2, "", " "));
    QCOMPARE(notes.count(), 2);
}

void TestCalendar::notesReadAsStoredAndWriteBackByteForByte()
{
    WorkDir dir;
    // cp1252: 0xFC is ü, 0x80 the euro sign; the note has a Windows line break.
    const QByteArray stored = noteBytes(3, "M\xfcller", "5 \x80\r\nzweite Zeile");
    QByteArray neverWritten = le16(4) + QByteArray(340, '\0');
    neverWritten.replace(2, 3, "abc");
    dir.write(u"note.dat"_s, BlankNote + BlankNote + stored + neverWritten);
    const NoteFile notes;
    const NoteRecord note = notes.read(3);
    QCOMPARE(note.RecNo, qint16(3));
    QCOMPARE(note.NoteKey, u"M\u00fcller"_s);
    QCOMPARE(note.NoteText, u"5 \u20ac\nzweite Zeile"_s);
    QCOMPARE(notes.read(4).NoteKey, u"abc"_s);
    QCOMPARE(notes.read(4).NoteText, QString());
    QCOMPARE(notes.read(9).NoteKey, QString()); // past the end

    notes.write(3, note);
    QCOMPARE(dir.read(u"note.dat"_s).mid(2 * 342, 342), stored);
}

void TestCalendar::notesCountWholeRecordsOnly()
{
    WorkDir dir;
    dir.write(u"note.dat"_s, BlankNote + noteBytes(2, "x", "y") + "partial");
    const NoteFile notes;
    QCOMPARE(notes.count(), 2);
    const QList<NoteRecord> all = notes.readAll();
    QCOMPARE(all.size(), 2);
    QCOMPARE(all.at(1).NoteKey.trimmed(), u"x"_s);
}

void TestCalendar::personalPlaceholderIsRewrittenInPlace()
{
    WorkDir dir;
    const PersonalFile people;
    people.createpersonal();
    const QByteArray placeholder = le16(1) + padded("1", 40) + QByteArray(820, '\0');
    QCOMPARE(dir.read(u"personal.dat"_s), placeholder);

    const QByteArray entry = personBytes(2, {"Ann"});
    dir.write(u"personal.dat"_s, personBytes(1, {"changed"}) + entry);
    people.createpersonal();
    QCOMPARE(dir.read(u"personal.dat"_s), placeholder + entry);
}

void TestCalendar::personFieldsSitAtTheirOffsets()
{
    WorkDir dir;
    const QList<QByteArray> fields = {
        "M\xfcller", "Main St 1", "Springfield", "IL",    "62701",
        "555-0100",  "12",        "555-0101",    "a@b.c", "line one\r\nline two"};
    const QByteArray stored = personBytes(2, fields);
    QCOMPARE(stored.size(), PersonRecord::Length);
    dir.write(u"personal.dat"_s, PersonalFile::placeholder().bytes() + stored + le16(3) + "tail");
    const PersonalFile people;
    QCOMPARE(people.count(), 2);
    const PersonRecord person = people.read(2);
    QCOMPARE(person.field(PersonRecord::Name), u"M\u00fcller"_s);
    QCOMPARE(person.field(PersonRecord::Email).trimmed(), u"a@b.c"_s);
    QCOMPARE(person.field(PersonRecord::Notes).trimmed(), u"line one\nline two"_s);
    // The placeholder's never-written fields read as empty boxes.
    QCOMPARE(people.read(1).field(PersonRecord::City), QString());

    const QList<PersonRecord> all = people.readAll();
    QCOMPARE(all.size(), 3); // the partial tail counts as a record when read
    QCOMPARE(all.at(2).field(PersonRecord::Name), u"tail"_s);

    const QByteArray damaged = dir.read(u"personal.dat"_s);
    people.write(2, person);
    QCOMPARE(dir.read(u"personal.dat"_s).mid(862, 862), stored);
    // The cut record is kept aside before the first write, and the user is to be told.
    QCOMPARE(dir.read(u"personal.dat.damaged"_s), damaged);
    const QStringList notes = FileNotices::take();
    QCOMPARE(notes.size(), 1);
    QVERIFY(notes.constFirst().contains(u"personal.dat.damaged"_s));
}

void TestCalendar::navigation_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDate>("to");
    const auto row = [](const char *name, const QString &window, QDate from, const QString &button,
                        QDate to) { QTest::newRow(name) << window << from << button << to; };
    // The small calendar: Command1 "<<", Command2 "<", Command4 ">", Command5 ">>".
    const QString small = u"Form10"_s;
    row("10 > keeps the day", small, QDate(1997, 3, 15), u"Command4"_s, QDate(1997, 4, 15));
    row("10 < keeps the day", small, QDate(1997, 3, 15), u"Command2"_s, QDate(1997, 2, 15));
    row("10 > from 31 March", small, QDate(1997, 3, 31), u"Command4"_s, QDate(1997, 4, 30));
    row("10 < from 30 March", small, QDate(2024, 3, 30), u"Command2"_s, QDate(2024, 2, 29));
    row("10 >> from 29 February", small, QDate(2024, 2, 29), u"Command5"_s, QDate(2025, 2, 28));
    row("10 << without limit", small, QDate(1950, 6, 1), u"Command1"_s, QDate(1949, 6, 1));
    row("10 >> without limit", small, QDate(2060, 6, 1), u"Command5"_s, QDate(2061, 6, 1));
    row("10 < in January", small, QDate(1997, 1, 20), u"Command2"_s, QDate(1997, 1, 20));
    row("10 > in December", small, QDate(1997, 12, 20), u"Command4"_s, QDate(1997, 12, 20));
    // The personal calendar: Command20 "<<", Command1 "<", today, Command2 ">", Command19 ">>".
    const QString personal = u"Form1"_s;
    row("1 > keeps the day", personal, QDate(1997, 3, 15), u"Command2"_s, QDate(1997, 4, 15));
    row("1 > from 31 March", personal, QDate(1997, 3, 31), u"Command2"_s, QDate(1997, 4, 28));
    row("1 < from 31 March", personal, QDate(1997, 3, 31), u"Command1"_s, QDate(1997, 2, 28));
    row("1 < in January", personal, QDate(1997, 1, 20), u"Command1"_s, QDate(1997, 1, 28));
    row("1 > in December", personal, QDate(1997, 12, 5), u"Command2"_s, QDate(1997, 12, 28));
    row("1 <<", personal, QDate(1997, 7, 7), u"Command20"_s, QDate(1996, 7, 7));
    row("1 >> from 29 February", personal, QDate(2024, 2, 29), u"Command19"_s, QDate(2025, 2, 28));
    row("1 Today", personal, QDate(1997, 7, 7), u"today"_s, Today);
}

void TestCalendar::navigation()
{
    QFETCH(QString, window);
    QFETCH(QDate, from);
    QFETCH(QString, button);
    QFETCH(QDate, to);
    WorkDir dir;
    QVERIFY(WorkingDate::set(from));
    std::unique_ptr<QWidget> form;
    if (window == u"Form10")
        form = std::make_unique<Form10>();
    else
        form = std::make_unique<Form1>();
    form->show();
    click(form.get(), button);
    QCOMPARE(WorkingDate::current(), to);
    // The marked cell is the working day, not the real today.
    const MonthGrid *grid = form->findChild<MonthGrid *>();
    QCOMPARE(grid->cell(grid->daypos)->text(), QString::number(to.day()));
    QCOMPARE(grid->cellBackground(grid->daypos), Blue);
    QCOMPARE(grid->cellTextColour(grid->daypos), White);
    const QString dateLabel = window == u"Form10" ? u"Label1"_s : u"Label2"_s;
    QCOMPARE(child<QLabel>(form.get(), dateLabel)->text(), Calendar::longDate(to));
}

void TestCalendar::smallCalendarTodayAndDeactivationRestore()
{
    QVERIFY(WorkingDate::set(QDate(2001, 5, 20))); // the window loads on a stepped date
    Form10 form;
    form.show();
    click(&form, u"Command4"_s);
    click(&form, u"Command3"_s);
    QCOMPARE(WorkingDate::current(), Today);
    QCOMPARE(form.grid()->cell(form.grid()->daypos)->text(), QString::number(Today.day()));
    QCOMPARE(child<QLabel>(&form, u"Label1"_s)->text(), Calendar::longDate(Today));

    QApplication::setActiveWindow(&form);
    click(&form, u"Command1"_s);
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QCOMPARE(WorkingDate::current(), Today);
    // The grid keeps the month last drawn until a button is pressed.
    QCOMPARE(child<QLabel>(&form, u"Label1"_s)->text(), Calendar::longDate(Today.addYears(-1)));
}

void TestCalendar::smallCalendarClickSelectsNothing()
{
    Form10 form;
    form.show();
    MonthGrid *grid = form.grid();
    const int other = grid->cellOfDay(3);
    QTest::mouseClick(grid->cell(other), Qt::LeftButton);
    QCOMPARE(grid->cellBackground(other), Cyan);
    QCOMPARE(grid->cellBackground(grid->daypos), Blue);
    QCOMPARE(WorkingDate::current(), Today);
    QCOMPARE(child<QLabel>(&form, u"Label2"_s)->text(),
             u"  S      M      T    W      T      F      S"_s);
    QCOMPARE(form.windowTitle(), u"Small Calendar"_s);
}

void TestCalendar::personalCalendarClickOnlyRecolours()
{
    WorkDir dir;
    Form1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    const QByteArray notes = dir.read(u"note.dat"_s);
    const QByteArray people = dir.read(u"personal.dat"_s);
    MonthGrid *grid = form.grid();
    const int picked = grid->cellOfDay(3);
    QTest::mouseClick(grid->cell(picked), Qt::LeftButton);
    QCOMPARE(grid->calpos, picked);
    for (int i = 0; i < MonthGrid::CellCount; ++i)
        QCOMPARE(grid->cellBackground(i), i == picked ? Blue : Cyan);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(&form, u"Text11"_s));

    // An empty cell keeps the colours as they are.
    QTest::mouseClick(grid->cell(41), Qt::LeftButton);
    QCOMPARE(grid->calpos, 41);
    QCOMPARE(grid->cellBackground(picked), Blue);
    QCOMPARE(grid->cellBackground(41), Cyan);
    QCOMPARE(WorkingDate::current(), Today);
    QCOMPARE(dir.read(u"note.dat"_s), notes);
    QCOMPARE(dir.read(u"personal.dat"_s), people);
}

void TestCalendar::personalCalendarUnloadRestoresTheStartDate()
{
    WorkDir dir;
    auto *form = new Form1;
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    click(form, u"Command19"_s);
    QCOMPARE(WorkingDate::current(), Today.addYears(1));
    form->unload();
    QCOMPARE(WorkingDate::current(), Today);
}

void TestCalendar::firstLoadCreatesBothFiles()
{
    WorkDir dir;
    Form1 form;
    form.show();
    QCOMPARE(dir.read(u"note.dat"_s), BlankNote + noteBytes(2, "", " "));
    QCOMPARE(dir.read(u"personal.dat"_s), PersonalFile::placeholder().bytes());
    QCOMPARE(rows(child<QListWidget>(&form, u"List2"_s)), QStringList({QString(), QString()}));
    QCOMPARE(rows(child<QListWidget>(&form, u"List1"_s)), QStringList({QString()}));
    QCOMPARE(child<QListWidget>(&form, u"List1"_s)->currentRow(), 0);
    QCOMPARE(child<QPlainTextEdit>(&form, u"Text11"_s)->toPlainText(), QString());
    QCOMPARE(child<QLineEdit>(&form, u"Text16"_s)->text(), u"> 2"_s);
    // Wide enough for any record number it may show.
    const QLineEdit *text16 = child<QLineEdit>(&form, u"Text16"_s);
    QVERIFY(text16->width() > text16->fontMetrics().horizontalAdvance(u"POS 32767"_s));
    QCOMPARE(form.position, qint16(2));
    QCOMPARE(form.position2, qint16(1));
    QCOMPARE(StatusPanels::hintText(),
             u"HINT : Enter your phone information - Then click SAVE IT! "_s);
    QCOMPARE(form.windowTitle(), u"Pesonal Calendar / Phonebook"_s);
    QCOMPARE(child<QLabel>(&form, u"Label1"_s)->text(),
             u"  S     M     T     W     T      F      S"_s);
    QVERIFY(child<QLineEdit>(&form, u"Text3_41"_s));
}

void TestCalendar::storedEntryTakesTypingInsideItsPadding()
{
    // A stored name fills its box with padding; typing into it still works, as it does in the
    // note title, and the padding gives way when saved.
    WorkDir dir;
    dir.write(u"personal.dat"_s, PersonalFile::placeholder().bytes() + personBytes(2, {"Ann"}));
    dir.write(u"note.dat"_s, BlankNote + noteBytes(2, "Jan", "x"));
    Form1 form;
    form.show();
    auto *name = child<QLineEdit>(&form, u"Text1"_s);
    QCOMPARE(name->cursorPosition(), 0); // shown from its start, not scrolled to the padding
    name->setFocus();
    name->setCursorPosition(3);
    QTest::keyClicks(name, u" Lee"_s);
    click(&form, u"Command23"_s);
    QCOMPARE(dir.read(u"personal.dat"_s),
             PersonalFile::placeholder().bytes() + personBytes(2, {"Ann Lee"}));

    auto *list = child<QListWidget>(&form, u"List2"_s);
    list->setCurrentRow(1);
    auto *title = child<QLineEdit>(&form, u"Text15"_s);
    QCOMPARE(title->cursorPosition(), 0);
    title->setCursorPosition(3);
    QTest::keyClicks(title, u" 5"_s);
    click(&form, u"Command21"_s);
    QCOMPARE(dir.read(u"note.dat"_s), BlankNote + noteBytes(2, "Jan 5", "x"));
}

void TestCalendar::savingANameCreatesRecord2AndKeepsTheEntry()
{
    WorkDir dir;
    Form1 form;
    form.show();
    child<QLineEdit>(&form, u"Text1"_s)->setText(u"M\u00fcller"_s);
    child<QLineEdit>(&form, u"Text9"_s)->setText(u"555 \u20ac"_s);
    click(&form, u"Command23"_s);
    const QByteArray record2 = personBytes(2, {"M\xfcller", {}, {}, {}, {}, "555 \x80"});
    QCOMPARE(dir.read(u"personal.dat"_s), PersonalFile::placeholder().bytes() + record2);
    QCOMPARE(rows(child<QListWidget>(&form, u"List1"_s)),
             QStringList({u"M\u00fcller"_s, QString()}));

    // The boxes still show the saved entry, so saving again rewrites it, not the entry with a
    // blank one.
    QCOMPARE(child<QLineEdit>(&form, u"Text1"_s)->text(), u"M\u00fcller"_s);
    child<QLineEdit>(&form, u"Text6"_s)->setText(u"Bonn"_s);
    click(&form, u"Command23"_s);
    QCOMPARE(dir.read(u"personal.dat"_s),
             PersonalFile::placeholder().bytes() +
                 personBytes(2, {"M\xfcller", {}, "Bonn", {}, {}, "555 \x80"}));
}

void TestCalendar::deletePhoneEntry_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes blanks the entry") << true;
    QTest::newRow("No keeps it") << false;
}

void TestCalendar::deletePhoneEntry()
{
    QFETCH(bool, yes);
    WorkDir dir;
    const QByteArray ann = personBytes(2, {"Ann", "Road 1"});
    const QByteArray bob = personBytes(3, {"Bob"});
    const QByteArray before = PersonalFile::placeholder().bytes() + ann + bob;
    dir.write(u"personal.dat"_s, before);
    Form1 form;
    form.show();
    auto *list = child<QListWidget>(&form, u"List1"_s);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QCOMPARE(child<QLineEdit>(&form, u"Text16"_s)->text(), u"POS 2"_s);
    QCOMPARE(child<QLineEdit>(&form, u"Text5"_s)->text(), u"Road 1"_s);

    m_dialogs->answerMessage(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No, u"Delete ?"_s);
    click(&form, u"Command4"_s);
    const Dialogs::Message asked = m_dialogs->lastAsked().message;
    QCOMPARE(asked.title, u"Delete"_s);
    QCOMPARE(asked.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(asked.icon, Dialogs::Icon::Critical);
    QCOMPARE(asked.defaultButton, 2);
    if (yes) {
        QCOMPARE(dir.read(u"personal.dat"_s),
                 PersonalFile::placeholder().bytes() + personBytes(2, {}) + bob);
        QCOMPARE(rows(list), QStringList({QString(), u"Bob"_s, QString()}));
        QCOMPARE(child<QLineEdit>(&form, u"Text5"_s)->text(), QString());
    } else {
        QCOMPARE(dir.read(u"personal.dat"_s), before);
        QCOMPARE(child<QLineEdit>(&form, u"Text5"_s)->text(), u"Road 1"_s);
    }
}

void TestCalendar::addedPhoneEntryIsAppended()
{
    WorkDir dir;
    dir.write(u"personal.dat"_s, PersonalFile::placeholder().bytes() + personBytes(2, {"Ann"}));
    Form1 form;
    form.show();
    QCOMPARE(child<QLineEdit>(&form, u"Text1"_s)->text(), u"Ann"_s);
    click(&form, u"Command3"_s);
    QCOMPARE(form.position, qint16(3));
    QCOMPARE(child<QLineEdit>(&form, u"Text1"_s)->text(), QString());
    child<QLineEdit>(&form, u"Text1"_s)->setText(u"Cy"_s);
    child<QPlainTextEdit>(&form, u"Text10"_s)->setPlainText(u"first\nsecond"_s);
    click(&form, u"Command23"_s);
    QCOMPARE(dir.read(u"personal.dat"_s).mid(2 * 862),
             personBytes(3, {"Cy", {}, {}, {}, {}, {}, {}, {}, {}, "first\r\nsecond"}));
    QCOMPARE(rows(child<QListWidget>(&form, u"List1"_s)).size(), 3);
}

void TestCalendar::notesAddSaveSelectAndDelete()
{
    WorkDir dir;
    Form1 form;
    form.show();
    auto *list = child<QListWidget>(&form, u"List2"_s);
    auto *title = child<QLineEdit>(&form, u"Text15"_s);
    auto *text = child<QPlainTextEdit>(&form, u"Text11"_s);

    click(&form, u"Command6"_s);
    QCOMPARE(form.position2, qint16(3));
    QCOMPARE(text->toPlainText(), QString());
    title->setText(u"12/24/2026"_s);
    text->setPlainText(u"Buy \u20ac presents"_s);
    click(&form, u"Command21"_s);
    const QByteArray note3 = noteBytes(3, "12/24/2026", "Buy \x80 presents");
    QCOMPARE(dir.read(u"note.dat"_s).size(), 3 * 342);
    QCOMPARE(dir.read(u"note.dat"_s).mid(2 * 342), note3);
    QCOMPARE(rows(list).last(), u"12/24/2026"_s);
    QCOMPARE(form.NDate, u"12/24/2026"_s);

    // Selecting the placeholder and back shows each note as stored.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QCOMPARE(form.position2, qint16(1));
    QCOMPARE(title->text(), QString());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    QCOMPARE(title->text(), u"12/24/2026"_s);
    QCOMPARE(text->toPlainText(), u"Buy \u20ac presents"_s);

    m_dialogs->answerMessage(Dialogs::Answer::Yes, u"Delete ?"_s);
    click(&form, u"Command5"_s);
    QCOMPARE(dir.read(u"note.dat"_s), BlankNote + noteBytes(2, "", " ") + noteBytes(3, "", ""));
    QCOMPARE(rows(list), QStringList({QString(), QString(), QString()}));
    QCOMPARE(form.NDate, QString());
}

void TestCalendar::typingAtTheEndOfAStoredValueKeepsIt_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("offset"); // in the file
    QTest::addColumn<int>("width");
    QTest::newRow("note title") << u"Text15"_s << 342 + 2 << 40;
    QTest::newRow("note text") << u"Text11"_s << 342 + 42 << 300;
    const char *phoneBoxes[] = {"Text1", "Text5",  "Text6",  "Text7",  "Text8",
                                "Text9", "Text12", "Text13", "Text14", "Text10"};
    for (int i = 0; i < PersonRecord::FieldCount; ++i) {
        const auto field = PersonRecord::Field(i);
        QTest::newRow(phoneBoxes[i])
            << QString::fromLatin1(phoneBoxes[i]) << 862 + PersonRecord::offset(field)
            << PersonRecord::width(field);
    }
}

void TestCalendar::typingAtTheEndOfAStoredValueKeepsIt()
{
    QFETCH(QString, box);
    QFETCH(int, offset);
    QFETCH(int, width);
    WorkDir dir;
    const QByteArray notes = BlankNote + noteBytes(2, "Dec 17 dentist", "ABC note\r\nat 3");
    QList<QByteArray> fields;
    for (int i = 0; i < PersonRecord::FieldCount; ++i)
        fields.append("Value " + QByteArray::number(i));
    const QByteArray people = PersonalFile::placeholder().bytes() + personBytes(2, fields);
    dir.write(u"note.dat"_s, notes);
    dir.write(u"personal.dat"_s, people);
    Form1 form;
    form.show();
    const bool note = box == u"Text15"_s || box == u"Text11"_s;
    if (note) {
        auto *list = child<QListWidget>(&form, u"List2"_s);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
    }
    typeAtEnd(child<QWidget>(&form, box), u" and buy stamps"_s);
    click(&form, note ? u"Command21"_s : u"Command23"_s);
    if (note)
        QCOMPARE(dir.read(u"note.dat"_s), withTypedAtEnd(notes, offset, width, " and buy stamps"));
    else
        QCOMPARE(dir.read(u"personal.dat"_s),
                 withTypedAtEnd(people, offset, width, " and buy stamps"));
}

void TestCalendar::listsMarkTheEntryTheBoxesShow()
{
    WorkDir dir;
    dir.write(u"personal.dat"_s, PersonalFile::placeholder().bytes() + personBytes(2, {"Alice"}) +
                                     personBytes(3, {"Bob"}));
    TestFrame frame;
    Form1 &form = *frame.openFromToolbar<Form1>("Main");
    auto *notes = child<QListWidget>(&form, u"List2"_s);
    auto *people = child<QListWidget>(&form, u"List1"_s);

    click(&form, u"Command6"_s); // Add: no row is the new note's yet
    QCOMPARE(notes->currentRow(), -1);
    child<QLineEdit>(&form, u"Text15"_s)->setText(u"Dec 17 dentist"_s);
    click(&form, u"Command21"_s);
    QCOMPARE(notes->currentRow(), 2);
    QCOMPARE(notes->currentItem()->text(), u"Dec 17 dentist"_s);
    QVERIFY(notes->currentItem()->isSelected());

    QTest::mouseClick(people->viewport(), Qt::LeftButton, {},
                      people->visualItemRect(people->item(1)).center());
    child<QLineEdit>(&form, u"Text5"_s)->setText(u"2 High St"_s);
    click(&form, u"Command23"_s);
    QCOMPARE(people->currentRow(), 1);
    QCOMPARE(people->currentItem()->text(), u"Bob"_s);
    QCOMPARE(child<QLineEdit>(&form, u"Text1"_s)->text(), u"Bob"_s);
}

void TestCalendar::existingFilesAreListedAsStored()
{
    WorkDir dir;
    QByteArray zeroKey = noteBytes(3, "", "");
    zeroKey.replace(2, 40, QByteArray(40, '\0'));
    dir.write(u"note.dat"_s,
              BlankNote + noteBytes(2, "Caf\xe9", "line\r\nnext") + zeroKey + "torn record");
    // A differing record 1 is rewritten; the entries are kept.
    dir.write(u"personal.dat"_s, personBytes(1, {"old"}) + personBytes(2, {"Stra\xdf"
                                                                           "e"}));
    Form1 form;
    form.show();
    QCOMPARE(rows(child<QListWidget>(&form, u"List2"_s)),
             QStringList({QString(), u"Caf\u00e9"_s, QString()}));
    QCOMPARE(rows(child<QListWidget>(&form, u"List1"_s)),
             QStringList({u"Stra\u00dfe"_s, QString()}));
    QCOMPARE(child<QLineEdit>(&form, u"Text1"_s)->text(), u"Stra\u00dfe"_s);
    QCOMPARE(dir.read(u"personal.dat"_s),
             PersonalFile::placeholder().bytes() + personBytes(2, {"Stra\xdf"
                                                                   "e"}));
    QCOMPARE(dir.read(u"note.dat"_s).size(), 3 * 342 + 11);

    auto *list = child<QListWidget>(&form, u"List2"_s);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(child<QPlainTextEdit>(&form, u"Text11"_s)->toPlainText(), u"line\nnext"_s);
}

void TestCalendar::configuredFontIsApplied()
{
    WorkDir dir;
    ConfigRecord config;
    config.FontName = u"Courier"_s;
    config.FontSize = 17;
    PreferenceFiles::writeConfig(config, ConfigRecord::MainWindowLength);
    Form1 form;
    form.show();
    for (const QString &name :
         {u"Text1"_s, u"Text10"_s, u"Text11"_s, u"Text15"_s, u"List1"_s, u"List2"_s}) {
        const QFont font = child<QWidget>(&form, name)->font();
        QCOMPARE(font.family(), u"Courier"_s);
        QCOMPARE(font.pointSize(), 17);
    }
}

void TestCalendar::mainWindowOpensBothCalendars()
{
    WorkDir dir;
    VL32V1 window(createToolWindow);
    window.show();
    // Start-up value 0 opens the personal calendar inside the frame.
    QWidget *personal = window.toolWindow(ToolWindowId::Form1);
    QVERIFY(personal);
    QVERIFY(qobject_cast<QMdiSubWindow *>(personal->parentWidget()));
    QCOMPARE(dir.read(u"note.dat"_s).size(), 684);
    QCOMPARE(dir.read(u"personal.dat"_s).size(), 862);

    window.Toolbar1_ButtonClick(u"cal2"_s);
    QWidget *small = window.toolWindow(ToolWindowId::Form10);
    QVERIFY(small);
    QVERIFY(small->isWindow());
    QCOMPARE(small->windowTitle(), u"Small Calendar"_s);
    small->close();
}

void TestCalendar::gridKeys_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QDate>("working"); // the working date afterwards
    QTest::addColumn<QDate>("current"); // the day the keys are on
    using K = Qt::Key;
    const auto row = [](const char *name, const char *window, QDate from, QList<int> keys,
                        QDate working, QDate current) {
        QTest::newRow(name) << QString::fromLatin1(window) << from << keys << working << current;
    };
    const QDate mid(1997, 3, 15);
    row("10 right", "cal2", mid, {K::Key_Right}, mid, mid.addDays(1));
    row("10 left and up", "cal2", mid, {K::Key_Left, K::Key_Up}, mid, QDate(1997, 3, 7));
    row("10 down past the month's end", "cal2", QDate(1997, 3, 29), {K::Key_Down},
        QDate(1997, 4, 29), QDate(1997, 4, 5));
    row("10 left from the 1st", "cal2", QDate(1997, 3, 1), {K::Key_Left}, QDate(1997, 2, 1),
        QDate(1997, 2, 28));
    row("10 left in January stays", "cal2", QDate(1997, 1, 1), {K::Key_Left}, QDate(1997, 1, 1),
        QDate(1997, 1, 1));
    row("10 page down", "cal2", mid, {K::Key_PageDown}, QDate(1997, 4, 15), QDate(1997, 4, 15));
    row("10 page up in January stays", "cal2", QDate(1997, 1, 9), {K::Key_Right, K::Key_PageUp},
        QDate(1997, 1, 9), QDate(1997, 1, 10));
    row("10 home after two months", "cal2", mid, {K::Key_PageDown, K::Key_PageDown, K::Key_Home},
        mid, mid);
    row("1 up from the first week", "Main", QDate(1997, 3, 5), {K::Key_Up}, QDate(1997, 2, 5),
        QDate(1997, 2, 26));
    row("1 right from 31 December stays in December", "Main", QDate(1997, 12, 31), {K::Key_Right},
        QDate(1997, 12, 28), QDate(1997, 12, 31));
    row("1 page up in January", "Main", QDate(1997, 1, 20), {K::Key_PageUp}, QDate(1997, 1, 28),
        QDate(1997, 1, 28));
    row("5 right from 31 March", "Appointments", QDate(1997, 3, 31), {K::Key_Right},
        QDate(1997, 4, 28), QDate(1997, 4, 1));
    row("5 page up in January does nothing", "Appointments", QDate(1997, 1, 15), {K::Key_PageUp},
        QDate(1997, 1, 15), QDate(1997, 1, 15));
    row("5 down in the last week of December", "Appointments", QDate(1997, 12, 30), {K::Key_Down},
        QDate(1997, 12, 28), QDate(1997, 12, 30));
    row("5 home", "Appointments", QDate(2030, 6, 2), {K::Key_PageDown, K::Key_Right, K::Key_Home},
        QDate(2030, 6, 2), QDate(2030, 6, 2));
}

void TestCalendar::gridKeys()
{
    QFETCH(QString, window);
    QFETCH(QDate, from);
    QFETCH(QList<int>, keys);
    QFETCH(QDate, working);
    QFETCH(QDate, current);
    WorkDir dir;
    QVERIFY(WorkingDate::set(from));
    RecordStartDate(); // "Today" and Home lead back here
    TestFrame frame;
    MonthGrid *grid = openGrid(frame, window);
    QVERIFY(grid);
    for (const int key : keys)
        QTest::keyClick(grid->days(), Qt::Key(key));
    QCOMPARE(WorkingDate::current(), working);
    QCOMPARE(grid->drawnDate(), working);
    QCOMPARE(grid->currentCell(), grid->cellOfDay(current.day()));
    QCOMPARE(grid->days()->accessibleDescription(), Calendar::spokenDate(current));
    // The keys stay with the grid, whatever box the window's step moved the focus to.
    QCOMPARE(QApplication::focusWidget(), grid->days());
    frame.close();
    if (QWidget *small = frame.toolWindow(ToolWindowId::Form10))
        small->close();
}

void TestCalendar::returnOrSpaceClicksTheCurrentDay_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focused"); // where the window's click handler sends the focus
    QTest::newRow("1 return") << u"Main"_s << int(Qt::Key_Return) << u"Text11"_s;
    QTest::newRow("1 space") << u"Main"_s << int(Qt::Key_Space) << u"Text11"_s;
    QTest::newRow("5 return") << u"Appointments"_s << int(Qt::Key_Return) << u"Text10"_s;
    QTest::newRow("5 enter") << u"Appointments"_s << int(Qt::Key_Enter) << u"Text10"_s;
    QTest::newRow("10 space") << u"cal2"_s << int(Qt::Key_Space) << u"Text2"_s;
}

void TestCalendar::returnOrSpaceClicksTheCurrentDay()
{
    QFETCH(QString, window);
    QFETCH(int, key);
    QFETCH(QString, focused);
    WorkDir dir;
    TestFrame frame;
    MonthGrid *grid = openGrid(frame, window);
    QVERIFY(grid);
    int clicked = -1;
    connect(grid, &MonthGrid::cellClicked, this, [&clicked](int index) { clicked = index; });
    QTest::keyClick(grid->days(), Qt::Key_Right);
    QTest::keyClick(grid->days(), Qt::Key_Down);
    const int day = grid->cellOfDay(Today.day() + 8);
    QCOMPARE(clicked, -1); // moving is not clicking
    QTest::keyClick(grid->days(), Qt::Key(key));
    QCOMPARE(clicked, day);
    if (window != u"cal2") { // the small calendar's click selects nothing
        QCOMPARE(grid->calpos, day);
        QCOMPARE(grid->cellBackground(day), Blue);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    QCOMPARE(WorkingDate::current(), Today);
    frame.close();
    if (QWidget *small = frame.toolWindow(ToolWindowId::Form10))
        small->close();
}

void TestCalendar::gridIsOneFocusStopWithNamedDays()
{
    WorkDir dir;
    TestFrame frame;
    MonthGrid *grid = openGrid(frame, u"Main"_s);
    QVERIFY(grid);
    QCOMPARE(grid->days()->focusPolicy(), Qt::StrongFocus);
    QVERIFY(!grid->days()->accessibleName().isEmpty());
    for (int i = 0; i < MonthGrid::CellCount; ++i) {
        QLineEdit *cell = grid->cell(i);
        QCOMPARE(cell->focusPolicy(), Qt::NoFocus);
        QVERIFY(cell->isReadOnly());
        const QString day = cell->text();
        const QString name =
            day.isEmpty() ? QString() : Calendar::spokenDate(QDate(2026, 12, day.toInt()));
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(cell);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
    }
    QCOMPARE(Calendar::spokenDate(QDate(2026, 12, 15)), u"Tuesday, December 15 2026"_s);
    QCOMPARE(grid->days()->accessibleDescription(), Calendar::spokenDate(Today));
    // Typing into the grid changes no cell.
    const QStringList before = cellTexts(*grid);
    QTest::keyClicks(grid->days(), u"12x"_s);
    QCOMPARE(cellTexts(*grid), before);
    // Tab leaves it: the cells are no stops of their own.
    QTest::keyClick(grid->days(), Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != grid->days());
    QVERIFY(!QApplication::focusWidget()->objectName().startsWith(u"Text3_"_s));
}

void TestCalendar::gridShowsWhereTheKeysAre()
{
    WorkDir dir;
    TestFrame frame;
    MonthGrid *grid = openGrid(frame, u"Appointments"_s);
    QVERIFY(grid);
    const auto cellImage = [grid](int index) {
        return grid->days()->grab(grid->cell(index)->geometry()).toImage();
    };
    const int current = grid->currentCell();
    const QImage focused = cellImage(current);
    const QImage neighbour = cellImage(current + 1);
    QTest::keyClick(grid->days(), Qt::Key_Right);
    // The ring moved with the day: the new current cell looks as the old one did with the ring,
    // and the old one no longer does.
    QVERIFY(cellImage(current) != focused);
    QVERIFY(cellImage(current + 1) != neighbour);
    grid->button(MonthGrid::Today)->setFocus();
    QCOMPARE(cellImage(current + 1), neighbour); // no ring without the focus
}

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
