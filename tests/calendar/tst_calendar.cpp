#include "calendar/calendar_arithmetic.h"
#include "calendar/month_grid.h"
#include "calendar/note_file.h"
#include "calendar/personal_file.h"

#include "platform/working_date.h"

#include "scripted_dialogs.h"
#include "work_dir.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
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

QStringList cellTexts(const MonthGrid &grid)
{
    QStringList texts;
    for (int i = 0; i < MonthGrid::CellCount; ++i)
        texts << grid.cell(i)->text();
    return texts;
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
    QCOMPARE(note.NoteKey, u"M\u00fcller"_s + QString(34, u' '));
    QCOMPARE(note.NoteText, u"5 \u20ac\nzweite Zeile"_s + QString(283, u' '));
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
    QCOMPARE(person.field(PersonRecord::Name), u"M\u00fcller"_s + QString(34, u' '));
    QCOMPARE(person.field(PersonRecord::Email).trimmed(), u"a@b.c"_s);
    QCOMPARE(person.field(PersonRecord::Notes).trimmed(), u"line one\nline two"_s);
    // The placeholder's never-written fields read as empty boxes.
    QCOMPARE(people.read(1).field(PersonRecord::City), QString());

    const QList<PersonRecord> all = people.readAll();
    QCOMPARE(all.size(), 3); // the partial tail counts as a record when read
    QCOMPARE(all.at(2).field(PersonRecord::Name), u"tail"_s);

    people.write(2, person);
    QCOMPARE(dir.read(u"personal.dat"_s).mid(862, 862), stored);
}

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
