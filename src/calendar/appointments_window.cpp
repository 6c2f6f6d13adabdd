#include "appointments_window.h"

#include "month_grid.h"
#include "named_controls.h"
#include "time_slots.h"

#include "platform/accessible_names.h"
#include "platform/common_messages.h"
#include "platform/dialogs.h"
#include "platform/field_box.h"
#include "platform/file_guard.h"
#include "platform/keyboard.h"
#include "platform/printer.h"
#include "platform/status_panels.h"
#include "platform/stored_text.h"
#include "platform/twips.h"
#include "platform/working_date.h"
#include "settings/preference_files.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// config.dat as this window reads it.
constexpr int ConfigLength = 2076;

const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);

MonthGridSettings appointmentGrid()
{
    MonthGridSettings settings;
    settings.cellName = QStringLiteral("Text1");
    settings.headsLabelName = QStringLiteral("Label1");
    settings.columnHeads = QStringLiteral("S     M     T      W     T      F     S");
    settings.buttonNames = {QStringLiteral("Command2"), QStringLiteral("Command3"),
                            QStringLiteral("Command4"), QStringLiteral("Command5"),
                            QStringLiteral("Command6")};
    // Today and the red days are this window's own highlight step.
    settings.marksWorkingDay = false;
    // "<" stops in January; ">" in December and a month step to a missing day land on the 28th;
    // the year steps stop at 1980 and 2050.
    settings.steps.backInJanuary = Calendar::YearEdge::Ignore;
    settings.steps.forwardInDecember = Calendar::YearEdge::Day28;
    settings.steps.monthStepMissingDay = Calendar::MissingDay::Day28;
    settings.steps.yearStepMissingDay = Calendar::MissingDay::LastDay;
    settings.steps.firstYear = 1980;
    settings.steps.lastYear = 2050;
    return settings;
}

QString hint()
{
    return QStringLiteral("HINT : Click on a Day to View a Note");
}

} // namespace

form5::form5(QWidget *parent) : Form(parent)
{
    setObjectName(QStringLiteral("form5"));
    setWindowTitle(QStringLiteral("APPOINTMENTS"));
    resizeTwips(this, 10500, 6600);

    // Calendar.
    auto *Frame1 = named<QGroupBox>("Frame1", this);
    m_grid = new MonthGrid(appointmentGrid(), Frame1);
    Label2 = named<QLabel>("Label2", Frame1);
    Label2->setAlignment(Qt::AlignCenter);
    m_grid->setDateLabel(Label2);
    Text2 = named<QLineEdit>("Text2", Frame1);
    Text2->setReadOnly(true);
    nameForRole(Text2, QStringLiteral("Selected day"));
    auto *calendarLayout = new QVBoxLayout(Frame1);
    calendarLayout->addWidget(m_grid);
    calendarLayout->addWidget(Label2);
    calendarLayout->addWidget(Text2);

    auto *Frame2 = named<QGroupBox>("Frame2", this);
    Command1 = button("Command1", QStringLiteral("Delete "), Frame2);
    Command11 = button("Command11", QStringLiteral("Print"), Frame2);
    Text9 = named<QLineEdit>("Text9", Frame2);
    Text10 = named<QLineEdit>("Text10", Frame2);
    nameForRole(Text9, QStringLiteral("Month record"));
    nameForRole(Text10, QStringLiteral("Day record"));
    for (QLineEdit *small : {Text9, Text10}) {
        small->setReadOnly(true);
        small->setMaximumWidth(twipsToPixels(1200, this));
    }
    auto *actions = new QHBoxLayout(Frame2);
    actions->addWidget(Command1);
    actions->addWidget(Command11);
    actions->addStretch();
    actions->addWidget(Text9);
    actions->addWidget(Text10);

    // The day: the time list beside its slot notes, or the note page.
    auto *Frame3 = named<QGroupBox>("Frame3", this);
    Label3 = named<QLabel>("Label3", Frame3);
    Label3->setText(QStringLiteral("Appointments"));
    List1 = named<QListWidget>("List1", Frame3);
    List1->setMaximumWidth(twipsToPixels(1300, this));
    nameForRole(List1, QStringLiteral("Times"));
    List3 = named<QListWidget>("List3", Frame3);
    nameForRole(List3, QStringLiteral("Slot notes"));
    // Row k of the notes sits beside time k: the two lists scroll together.
    for (auto [from, to] : {std::pair{List1, List3}, std::pair{List3, List1}})
        connect(from->verticalScrollBar(), &QScrollBar::valueChanged, to->verticalScrollBar(),
                &QScrollBar::setValue);
    Text3 = named<QLineEdit>("Text3", Frame3);
    limitToField(Text3, AppointmentRecord::SlotWidth);
    nameForRole(Text3, QStringLiteral("Slot note"));
    Command7 = button("Command7", QStringLiteral("Note"), Frame3);
    Command8 = button("Command8", QStringLiteral("Appointments"), Frame3);

    Frame5 = named<QGroupBox>("Frame5", Frame3);
    Label4 = named<QLabel>("Label4", Frame5);
    Label4->setText(QStringLiteral("Note"));
    Text4 = named<QPlainTextEdit>("Text4", Frame5);
    limitToField(Text4, AppointmentRecord::NoteWidth);
    nameAfterLabel(Text4, Label4);
    Command9 = button("Command9", QStringLiteral("Save It!"), Frame5);
    Text7 = named<QLineEdit>("Text7", Frame5);
    nameForRole(Text7, QStringLiteral("Note line"));
    auto *noteLayout = new QGridLayout(Frame5);
    noteLayout->addWidget(Label4, 0, 0);
    noteLayout->addWidget(Text4, 1, 0, 1, 2);
    noteLayout->addWidget(Command9, 2, 0);
    noteLayout->addWidget(Text7, 2, 1);

    auto *Frame4 = named<QGroupBox>("Frame4", Frame3);
    auto *pages = new QHBoxLayout(Frame4);
    pages->addWidget(Command7);
    pages->addWidget(Command8);
    pages->addWidget(Text3, 1);

    auto *dayLayout = new QGridLayout(Frame3);
    dayLayout->addWidget(Label3, 0, 0, 1, 2);
    dayLayout->addWidget(List1, 1, 0);
    dayLayout->addWidget(List3, 1, 1);
    dayLayout->addWidget(Frame5, 1, 0, 1, 2);
    dayLayout->addWidget(Frame4, 2, 0, 1, 2);
    dayLayout->setColumnStretch(1, 1);
    // The note page covers the time list while it is shown.
    Frame5->setAutoFillBackground(true);
    Frame5->raise();

    // Hidden diagnostics, a box without a role and a button without an action.
    Text5 = named<QLineEdit>("Text5", this);
    Text8 = named<QLineEdit>("Text8", this);
    Text6 = named<QLineEdit>("Text6", this);
    Command10 = button("Command10", QStringLiteral("Save It!"), this);
    for (QWidget *hidden : {static_cast<QWidget *>(Text5), static_cast<QWidget *>(Text8),
                            static_cast<QWidget *>(Text6), static_cast<QWidget *>(Command10)})
        hidden->hide();
    showNotePage(false);

    auto *left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(Frame2);
    left->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(Frame3, 1);

    connect(m_grid, &MonthGrid::cellClicked, this, &form5::Text1_Click);
    connect(m_grid->button(MonthGrid::PreviousYear), &QPushButton::clicked, this,
            &form5::Command2_Click);
    connect(m_grid->button(MonthGrid::PreviousMonth), &QPushButton::clicked, this,
            &form5::Command3_Click);
    connect(m_grid->button(MonthGrid::Today), &QPushButton::clicked, this, &form5::Command4_Click);
    connect(m_grid->button(MonthGrid::NextMonth), &QPushButton::clicked, this,
            &form5::Command5_Click);
    connect(m_grid->button(MonthGrid::NextYear), &QPushButton::clicked, this,
            &form5::Command6_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });
    // Return on a time enters its note, as the double-click does.
    onReturnKey(List1, [this] {
        if (List1->currentItem())
            List1_DblClick();
    });
    // Choosing another time drops a note entered for a slot but not saved.
    connect(List1, &QListWidget::itemPressed, this, [this](QListWidgetItem *item) {
        if (List1->row(item) != m_enteredSlot)
            m_enteredSlot = -1;
    });
    connect(Command1, &QPushButton::clicked, this, &form5::Command1_Click);
    connect(Command7, &QPushButton::clicked, this, &form5::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &form5::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &form5::Command9_Click);
    connect(Command11, &QPushButton::clicked, this, &form5::Command11_Click);
}

// --- life of the window ---------------------------------------------------------------------

void form5::Form_Load()
{
    guarded(this, [this] {
        getconfig();
        showmyfonts();
        PageSel = 0;
        TheDateToday = WorkingDate::toText(WorkingDate::current());
        testopen();
        seekrec();
        SetStatusText(QString::number(Numbrecords) + QStringLiteral(" Records"));
        Text2->setText(QStringLiteral("No Note Selected"));
        getpref();
        Calclick = 0;
        drawcal();
        position2 = 1;
        m_grid->calpos = 1;
        ShowHiLite();
        Maketime();
        position = 1;
        getrec2();
    });
    SetHintText(hint());
}

void form5::Form_Activate()
{
    guarded(this, [this] {
        getconfig();
        showmyfonts();
        getpref();
        Maketime();
    });
}

void form5::Form_Unload()
{
    RestoreStartDate();
}

void form5::orderTabs()
{
    Form::orderTabs();
    setTabChain({List3, Text4, Command9, Text7, Command7});
}

void form5::focusInEvent(QFocusEvent *event)
{
    Form::focusInEvent(event);
    SetHintText(hint());
}

void form5::focusOutEvent(QFocusEvent *event)
{
    Form::focusOutEvent(event);
    SetStatusText(QString());
}

// --- stores ---------------------------------------------------------------------------------

void form5::testopen()
{
    // Creates appoint.dat and cal.dat when missing, after settling an interrupted delete.
    m_store.open();
}

void form5::seekrec()
{
    Numbrecords = qint16(m_store.dayCount());
}

void form5::getrec2()
{
    const AppointmentRecord day = m_store.readDay(position);
    AppointmentDate = day.DayKey;
    List3->clear();
    for (int k = 0; k < AppointmentRecord::SlotCount; ++k) {
        note.at(k) = day.SlotNote.at(k);
        List3->addItem(shownText(note.at(k)));
    }
    Text4->setPlainText(shownText(day.DayNote));
}

void form5::checkrec()
{
    seekrec();
    savposition = position;
    const AppointmentStore::Lookup found = m_store.findDay(curAppointDate);
    match = found.match ? 1 : 0;
    position = found.match ? qint16(found.position) : savposition;
    const QDate day = WorkingDate::fromText(curAppointDate);
    if (day.isValid())
        Label2->setText(Calendar::longDate(day));
}

void form5::CheckCal()
{
    Numbrecords2 = qint16(m_store.monthCount());
    const AppointmentStore::Lookup found = m_store.findMonth(curMonthYear);
    CalMatch = found.match ? 1 : 0;
    position2 = qint16(found.position);
    Text5->setText(shownText(found.key).trimmed());
    Text9->setText(QStringLiteral("POS2 = ") + QString::number(position2));
}

void form5::GetCal()
{
    const MonthRecord month = m_store.readMonth(position2);
    caldate = month.MonthKey;
    DayFlags = month.DayFlags;
}

void form5::saveit()
{
    // A cell without a day (or none selected) names no date to save under.
    if (!WorkingDate::fromText(curAppointDate).isValid()) {
        tell(this, QStringLiteral("You MUST click a Day First"));
        return;
    }
    AppointmentStore::DayEntry entry;
    entry.dayKey = curAppointDate;
    entry.monthKey = curMonthYear;
    entry.cell = m_grid->calpos;
    entry.slot = m_enteredSlot;
    entry.slotNote = Text3->text();
    entry.dayNote = storedText(boxText(Text4));
    List3->clear();
    const AppointmentStore::Saved saved = m_store.saveDay(entry);
    m_enteredSlot = -1;

    position2 = qint16(saved.monthPosition);
    CalMatch = saved.monthFound ? 1 : 0;
    GetCal();
    position = qint16(saved.position);
    match = saved.dayFound ? 1 : 0;
    getrec2();
    DeletePos = position;
    Text10->setText(QString::number(DeletePos));
    Text2->setText(curAppointDate);
    Maketime();
}

// --- preferences and font -------------------------------------------------------------------

void form5::getpref()
{
    // The time list has one row a slot note; other start hours would give more or fewer rows.
    myappointx = qint16(TimeSlots::firstHour(PreferenceFiles::readSetup().StartHour));
}

void form5::getconfig()
{
    CommonDialog1 = ConfiguredFont::read(ConfigLength);
}

void form5::showmyfonts()
{
    CommonDialog1.applyName(Text4);
    CommonDialog1.applySize(Text4);
    CommonDialog1.applyName(List1);
    CommonDialog1.applyName(List3);
}

// --- calendar -------------------------------------------------------------------------------

void form5::Maketime()
{
    List1->clear();
    const int h = myappointx;
    const auto add = [this](const QString &hour, const QString &half) {
        List1->addItem(hour + QStringLiteral(":00 ") + half);
        List1->addItem(hour + QStringLiteral(":30 ") + half);
    };
    for (int i = h; i <= 9; ++i)
        add(u'0' + QString::number(i), QStringLiteral("AM"));
    for (int i = 10; i <= 11; ++i)
        add(QString::number(i), QStringLiteral("AM"));
    add(QStringLiteral("12"), QStringLiteral("PM"));
    const int e = h >= 7 && h <= 10 ? h - 6 : 0;
    for (int i = 1; i <= 5 + e; ++i)
        add(u'0' + QString::number(i), QStringLiteral("PM"));
}

void form5::drawcal()
{
    m_grid->drawcal();
    Start = qint16(m_grid->adjust);
    Text5->setText(QString::number(m_grid->monthlen));
}

void form5::readWorkingDate()
{
    const QDate today = WorkingDate::current();
    curdate = WorkingDate::toText(today);
    curmonth = qint16(today.month());
    curyear = qint16(today.year());
}

QString form5::keyOfCell(int index) const
{
    return QString::number(curmonth) + u'/' + QString::number(m_grid->dayInCell(index)) + u'/' +
           QString::number(curyear);
}

void form5::ShowHiLite()
{
    position = 2;
    readWorkingDate();
    curAppointDate = keyOfCell(m_grid->calpos);
    curMonthYear = QString::number(curmonth) + u'/' + QString::number(curyear);
    CheckCal();
    GetCal();
    for (int j = 1; j <= 40; ++j)
        m_grid->setCellTextColour(j, DayFlags.at(j) == 1 ? Red : Black);
    const QDate loaded = WorkingDate::fromText(TheDateToday);
    if (loaded.month() == curmonth) {
        m_grid->daypos = Start - 2 + WorkingDate::current().day();
        m_grid->markCell(m_grid->daypos);
    }
}

void form5::CalInfo()
{
    const int c = m_grid->calpos;
    Text8->setText(QString::number(c));
    m_enteredSlot = -1; // a note typed for the day shown before is not this day's
    if (!m_grid->isEmptyCell(c)) {
        m_grid->paintOrdinary();
        m_grid->markCell(c);
        Text3->setFocus();
        readWorkingDate();
        curAppointDate = keyOfCell(c);
        curMonthYear = QString::number(curmonth) + u'/' + QString::number(curyear);
        Text2->setText(curAppointDate);
        position = 1;
        checkrec();
        getrec2();
        if (match == 0)
            List3->clear();
        Text9->setText(QString::number(match));
        // The selected day is now this one: Delete removes it, not the one shown before.
        DeletePos = position;
        Text10->setText(QString::number(DeletePos));
    } else {
        // No day in the cell: Delete must not remove the day shown before, whose flag in
        // its own month would then stay set.
        DeletePos = 1;
    }
    ShowHiLite();
}

// --- events ---------------------------------------------------------------------------------

void form5::Text1_Click(int index)
{
    guarded(this, [this, index] {
        // Another window may have set the working date back since the grid was drawn; the
        // click is on a day of the month on show, so that month's date is taken again.
        const QDate drawn = m_grid->drawnDate();
        const QDate now = WorkingDate::current();
        if (drawn.isValid() && (drawn.year() != now.year() || drawn.month() != now.month()))
            WorkingDate::set(drawn);
        Calclick = 1;
        m_grid->calpos = index;
        m_enteredSlot = -1; // a note typed for the day shown before is not this day's
        Text8->setText(QString::number(index));
        Text10->setFocus();
        if (!m_grid->isEmptyCell(index)) {
            m_grid->paintOrdinary();
            m_grid->markCell(index);
            readWorkingDate();
            curAppointDate = keyOfCell(index);
            curMonthYear = QString::number(curmonth) + u'/' + QString::number(curyear);
            position = 1;
            checkrec();
            getrec2();
            if (match == 0)
                List3->clear();
            DeletePos = position;
            Text10->setText(QString::number(DeletePos));
        } else {
            DeletePos = 1; // no day selected, nothing to delete
        }
        ShowHiLite();
        m_grid->markCell(index);
        Text2->setText(QStringLiteral("Positon2 = ") + QString::number(position2));
    });
}

void form5::List1_DblClick()
{
    if (Calclick == 0) {
        tell(this, QStringLiteral("You MUST click a Day First"));
        return;
    }
    const int row = List1->currentRow();
    if (row < 0)
        return;
    m_enteredSlot = row;
    if (row < List3->count())
        List3->setCurrentRow(row);
    const QString current = List3->currentItem() && List3->currentRow() == row
                                ? List3->currentItem()->text()
                                : QString();
    QString answer =
        dialogs().input(this, QStringLiteral("ENTER YOUR APPOINTMENT NOTE"),
                        QStringLiteral("Appointment Note"), current, AppointmentRecord::SlotWidth);
    if (answer.isEmpty())
        answer = QStringLiteral(" ");
    Text3->setText(answer);
    const Dialogs::Answer save = dialogs().message(
        this, {QStringLiteral("Do you want to Save it ?"), QStringLiteral("Save It"),
               Dialogs::Buttons::YesNo, Dialogs::Icon::Critical, 2});
    if (save == Dialogs::Answer::Yes)
        guarded(this, [this] { saveit(); });
    else
        m_enteredSlot = -1; // declined: no later save of the day writes it
}

void form5::Command1_Click()
{
    const Dialogs::Answer answer = dialogs().message(
        this, {QStringLiteral("Delete Appointments & Note for this Day ?"),
               QStringLiteral("Delete"), Dialogs::Buttons::YesNo, Dialogs::Icon::Critical, 2});
    if (answer != Dialogs::Answer::Yes || DeletePos == 1)
        return;
    guarded(this, [this] {
        const AppointmentStore::Deleted deleted =
            m_store.deleteDay(DeletePos, position2, m_grid->calpos);
        TempNumbrecords = qint16(deleted.tempCount);
        if (deleted.erased)
            Text10->setText(QStringLiteral("Erased ") + QString::number(DeletePos) +
                            QStringLiteral(" TNR = ") + QString::number(TempNumbrecords));
        List3->clear();
        // The day has no record any more: a second Delete must not act on its old number.
        DeletePos = 1;
        match = 0;
    });
}

void form5::yearOrMonthStep(Calendar::Step step)
{
    const Calendar::StepTarget::Outcome outcome = m_grid->step(step);
    if (outcome == Calendar::StepTarget::Outcome::Ignored)
        return;
    drawcal();
    const bool yearStep = step == Calendar::Step::PreviousYear || step == Calendar::Step::NextYear;
    if (!yearStep && outcome == Calendar::StepTarget::Outcome::FellBack)
        return; // the month step fell back to the 28th: the grid alone is redrawn
    guarded(this, [this] {
        CalInfo();
        ShowHiLite();
    });
    List3->clear();
    Calclick = 0;
}

void form5::Command2_Click()
{
    yearOrMonthStep(Calendar::Step::PreviousYear);
}

void form5::Command3_Click()
{
    yearOrMonthStep(Calendar::Step::PreviousMonth);
}

void form5::Command4_Click()
{
    RestoreStartDate();
    drawcal();
    guarded(this, [this] {
        CalInfo();
        ShowHiLite();
    });
}

void form5::Command5_Click()
{
    yearOrMonthStep(Calendar::Step::NextMonth);
}

void form5::Command6_Click()
{
    yearOrMonthStep(Calendar::Step::NextYear);
}

void form5::showNotePage(bool shown)
{
    for (QWidget *w : {static_cast<QWidget *>(Text4), static_cast<QWidget *>(Frame5),
                       static_cast<QWidget *>(Command9), static_cast<QWidget *>(Text7)})
        w->setVisible(shown);
    PageSel = shown ? 1 : 0;
}

void form5::Command7_Click()
{
    showNotePage(true);
}

void form5::Command8_Click()
{
    showNotePage(false);
}

void form5::Command9_Click()
{
    guarded(this, [this] { saveit(); });
}

void form5::Command11_Click()
{
    if (!confirmPrintNow(this))
        return;
    printDay();
    // A later save takes a slot note only from an entry made after this.
    List1->setCurrentRow(-1);
    List1->clearSelection();
    m_enteredSlot = -1;
}

void form5::printDay()
{
    const std::unique_ptr<LinePrinter> printer = Printing::open(windowTitle());
    if (PageSel == 1) {
        printer->printLine(storedText(boxText(Text4)));
    } else {
        const QString rule(75, u'_');
        // A day without a record has read none: its heading is the day itself, not the key of
        // whatever record was read last.
        const bool selectedDay = WorkingDate::fromText(curAppointDate).isValid();
        const QString day = match == 1    ? shownText(AppointmentDate)
                            : selectedDay ? curAppointDate
                                          : QString();
        printer->printLine(QStringLiteral("                      Appointments for : ") + day);
        printer->printLine(rule);
        printer->printLine(QStringLiteral(" "));
        for (int k = 0; k < AppointmentRecord::SlotCount && k < List1->count(); ++k) {
            const QString slot = QString(note.at(k)).replace(QChar(0), u' ');
            printer->printLine(List1->item(k)->text() + QStringLiteral("  ") +
                               slot.leftJustified(AppointmentRecord::SlotWidth));
        }
        printer->printLine(rule);
        printer->printLine(QStringLiteral(" "));
    }
    if (!printer->endDocument())
        tell(this, QStringLiteral("Printer Problem"));
}
