#include "personal_calendar_window.h"

#include "month_grid.h"
#include "named_controls.h"

#include "platform/accessible_names.h"
#include "platform/common_messages.h"
#include "platform/dialogs.h"
#include "platform/field_box.h"
#include "platform/file_guard.h"
#include "platform/list_marks.h"
#include "platform/status_panels.h"
#include "platform/twips.h"
#include "platform/working_date.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// config.dat as this window reads it.
constexpr int ConfigLength = 2076;

MonthGridSettings personalCalendarGrid()
{
    MonthGridSettings settings;
    settings.cellName = QStringLiteral("Text3");
    settings.headsLabelName = QStringLiteral("Label1");
    settings.columnHeads = QStringLiteral("  S     M     T     W     T      F      S");
    settings.buttonNames = {QStringLiteral("Command20"), QStringLiteral("Command1"),
                            QStringLiteral("today"), QStringLiteral("Command2"),
                            QStringLiteral("Command19")};
    // The month steps stay in the year, falling back to the 28th; a year step to a day the
    // target month lacks lands on its last day.
    settings.steps.backInJanuary = Calendar::YearEdge::Day28;
    settings.steps.forwardInDecember = Calendar::YearEdge::Day28;
    settings.steps.monthStepMissingDay = Calendar::MissingDay::Day28;
    settings.steps.yearStepMissingDay = Calendar::MissingDay::LastDay;
    return settings;
}

// A list click: by mouse, and by the keyboard moving the current row.
template <typename Handler> void onRowClicked(QListWidget *list, QObject *receiver, Handler handler)
{
    QObject::connect(list, &QListWidget::currentRowChanged, receiver, [list, handler](int row) {
        if (row >= 0 && list->currentItem())
            handler(row);
    });
    QObject::connect(list, &QListWidget::itemClicked, receiver,
                     [list, handler](QListWidgetItem *item) { handler(list->row(item)); });
}

struct PhoneBox
{
    const char *name;
    const char *label;
};

// In the order of the fields of PersonRecord, the notes field last.
const PhoneBox PhoneBoxes[] = {{"Text1", "Name"},  {"Text5", "Address"}, {"Text6", "City"},
                               {"Text7", "State"}, {"Text8", "Zip"},     {"Text9", "Phone"},
                               {"Text12", "Ext"},  {"Text13", "Fax"},    {"Text14", "Email"},
                               {"Text10", nullptr}};

} // namespace

Form1::Form1(QWidget *parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Pesonal Calendar / Phonebook"));
    resizeTwips(this, 9840, 6900);

    // Calendar.
    auto *Frame1 = named<QGroupBox>("Frame1", this);
    m_grid = new MonthGrid(personalCalendarGrid(), Frame1);
    Label2 = named<QLabel>("Label2", Frame1);
    Label2->setAlignment(Qt::AlignCenter);
    m_grid->setDateLabel(Label2);
    auto *calendarLayout = new QVBoxLayout(Frame1);
    calendarLayout->addWidget(m_grid);
    calendarLayout->addWidget(Label2);

    // Notes.
    auto *Frame2 = named<QGroupBox>("Frame2", this);
    List2 = named<QListWidget>("List2", Frame2);
    nameForRole(List2, QStringLiteral("Note titles"));
    Text15 = named<QLineEdit>("Text15", Frame2);
    nameForRole(Text15, QStringLiteral("Note title"));
    limitToField(Text15, NoteRecord::KeyWidth);
    Text11 = named<QPlainTextEdit>("Text11", Frame2);
    nameForRole(Text11, QStringLiteral("Note text"));
    limitToField(Text11, NoteRecord::TextWidth);
    Command6 = button("Command6", QStringLiteral("Add"), Frame2);
    Command21 = button("Command21", QStringLiteral("Save It !"), Frame2);
    Command5 = button("Command5", QStringLiteral("Delete"), Frame2);
    auto *noteButtons = new QHBoxLayout;
    noteButtons->addWidget(Command6);
    noteButtons->addWidget(Command21);
    noteButtons->addWidget(Command5);
    auto *noteLayout = new QGridLayout(Frame2);
    noteLayout->addWidget(List2, 0, 0, 3, 1);
    noteLayout->addWidget(Text15, 0, 1);
    noteLayout->addWidget(Text11, 1, 1);
    noteLayout->addLayout(noteButtons, 2, 1);

    // Phone book.
    auto *Frame3 = named<QGroupBox>("Frame3", this);
    List1 = named<QListWidget>("List1", Frame3);
    nameForRole(List1, QStringLiteral("Names"));
    auto *fields = new QFormLayout;
    for (int i = 0; i < int(m_phoneLines.size()); ++i) {
        auto *box = named<QLineEdit>(PhoneBoxes[i].name, Frame3);
        limitToField(box, PersonRecord::width(PersonRecord::Field(i)));
        fields->addRow(QLatin1String(PhoneBoxes[i].label), box);
        m_phoneLines.at(i) = box;
    }
    Text10 = named<QPlainTextEdit>("Text10", Frame3);
    nameForRole(Text10, QStringLiteral("Phone notes"));
    limitToField(Text10, PersonRecord::width(PersonRecord::Notes));
    Text16 = named<QLineEdit>("Text16", Frame3);
    Text16->setReadOnly(true);
    nameForRole(Text16, QStringLiteral("Record number"));
    // Room for any record number after "POS ".
    Text16->setMinimumWidth(Text16->fontMetrics().horizontalAdvance(QStringLiteral("POS 32767")) +
                            2 * Text16->fontMetrics().averageCharWidth());
    auto *Frame6 = named<QGroupBox>("Frame6", Frame3);
    Command3 = button("Command3", QStringLiteral("Add"), Frame6);
    Command23 = button("Command23", QStringLiteral("Save It !"), Frame6);
    Command4 = button("Command4", QStringLiteral("Delete"), Frame6);
    auto *phoneButtons = new QHBoxLayout(Frame6);
    phoneButtons->addWidget(Command3);
    phoneButtons->addWidget(Command23);
    phoneButtons->addWidget(Command4);
    auto *phoneLayout = new QGridLayout(Frame3);
    phoneLayout->addWidget(List1, 0, 0, 2, 1);
    phoneLayout->addLayout(fields, 0, 1);
    phoneLayout->addWidget(Text10, 1, 1, 2, 1);
    phoneLayout->addWidget(Text16, 2, 0);
    phoneLayout->addWidget(Frame6, 3, 0, 1, 2);

    // Boxes without a role.
    for (const char *name : {"Text2", "Text4", "Text17"})
        named<QLineEdit>(name, this)->hide();

    auto *left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(Frame2, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(Frame3, 1);

    connect(m_grid, &MonthGrid::cellClicked, this, &Form1::Text3_Click);
    connect(m_grid->button(MonthGrid::PreviousYear), &QPushButton::clicked, this,
            &Form1::Command20_Click);
    connect(m_grid->button(MonthGrid::PreviousMonth), &QPushButton::clicked, this,
            &Form1::Command1_Click);
    connect(m_grid->button(MonthGrid::Today), &QPushButton::clicked, this, &Form1::today_Click);
    connect(m_grid->button(MonthGrid::NextMonth), &QPushButton::clicked, this,
            &Form1::Command2_Click);
    connect(m_grid->button(MonthGrid::NextYear), &QPushButton::clicked, this,
            &Form1::Command19_Click);
    onRowClicked(List2, this, [this](int row) { List2_Click(row); });
    onRowClicked(List1, this, [this](int row) { List1_Click(row); });
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command21, &QPushButton::clicked, this, &Form1::Command21_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command23, &QPushButton::clicked, this, &Form1::Command23_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
}

void Form1::Form_Load()
{
    // Rewriting the placeholder is no reason not to show the book: in a folder that takes no
    // writes the entries still show, and the message says once that saving there fails.
    guarded(this, [this] { createpersonal(); });
    guarded(this, [this] {
        getconfig();
        showmyfonts();
        opentest();
        opentest2();

        nseekrec();
        position2 = 1;
        nshowlist();
        ngetrec();

        seekrec();
        position = 2;
        showlist();
        Text16->setText(QStringLiteral("> ") + QString::number(position));
        getrec();
    });
    mycurrentdate = WorkingDate::toText(WorkingDate::current());
    drawcal();
    SetHintText(QStringLiteral("HINT : Enter your phone information - Then click SAVE IT! "));
}

void Form1::Form_Activate()
{
    guarded(this, [this] {
        getconfig();
        showmyfonts();
    });
}

void Form1::Form_Unload()
{
    RestoreStartDate();
}

// --- stores -------------------------------------------------------------------------------

void Form1::opentest()
{
    if (!m_notes.exists())
        notecreate();
}

void Form1::opentest2()
{
    if (!m_people.exists())
        createpersonal();
}

void Form1::notecreate()
{
    m_notes.notecreate();
}

void Form1::createpersonal()
{
    m_people.createpersonal();
}

void Form1::nseekrec()
{
    Numbrecords2 = qint16(m_notes.count());
}

void Form1::ngetrec()
{
    const NoteRecord note = m_notes.read(position2);
    Text11->setPlainText(note.NoteText);
    NDate = note.NoteKey;
}

void Form1::nputrec()
{
    NoteRecord note;
    note.RecNo = position2;
    note.NoteKey = Text15->text();
    note.NoteText = boxText(Text11);
    m_notes.write(position2, note);
}

void Form1::nremovelist()
{
    List2->clear();
}

void Form1::nshowlist()
{
    // One row a whole record from record 1. Rebuilding the list leaves the note boxes on the
    // current note, so a later save still writes what they show to the record they came from;
    // that note's row is the one marked.
    nseekrec();
    SavePos2 = position2;
    const QList<NoteRecord> notes = m_notes.readAll();
    {
        const QSignalBlocker blocker(List2);
        for (int n = 1; n <= Numbrecords2; ++n)
            List2->addItem(notes.value(n - 1).NoteKey);
    }
    position2 = SavePos2;
    markRow(List2, position2 - 1);
}

void Form1::seekrec()
{
    Numbrecords = qint16(m_people.count());
}

void Form1::getrec()
{
    const PersonRecord person = m_people.read(position);
    for (int i = 0; i < PersonRecord::FieldCount; ++i)
        setPhoneBox(PersonRecord::Field(i), person.fields.at(i));
}

void Form1::putrec2()
{
    PersonRecord person;
    person.RecNo = position;
    for (int i = 0; i < PersonRecord::FieldCount; ++i)
        person.fields.at(i) = phoneBox(PersonRecord::Field(i));
    m_people.write(position, person);
}

void Form1::removelist()
{
    List1->clear();
}

void Form1::showlist()
{
    // Records 2 to Numbrecords + 1: the last row is the record just past the end, blank, where
    // saving adds an entry. The phone boxes stay on the current entry, and its row is marked.
    seekrec();
    SavePos = position;
    const QList<PersonRecord> people = m_people.readAll();
    {
        const QSignalBlocker blocker(List1);
        for (int n = 2; n <= Numbrecords + 1; ++n)
            List1->addItem(people.value(n - 1).field(PersonRecord::Name));
    }
    position = SavePos;
    markRow(List1, position - 2);
}

void Form1::getconfig()
{
    CommonDialog1 = ConfiguredFont::read(ConfigLength);
}

void Form1::showmyfonts()
{
    QList<QWidget *> boxes = {Text15, Text11, List1, List2, Text10};
    for (QLineEdit *box : m_phoneLines)
        boxes.append(box);
    for (QWidget *box : std::as_const(boxes)) {
        CommonDialog1.applyName(box);
        CommonDialog1.applySize(box);
    }
}

void Form1::drawcal()
{
    m_grid->drawcal();
}

QString Form1::phoneBox(PersonRecord::Field field) const
{
    if (field == PersonRecord::Notes)
        return boxText(Text10);
    return m_phoneLines.at(field)->text();
}

void Form1::setPhoneBox(PersonRecord::Field field, const QString &text)
{
    if (field == PersonRecord::Notes)
        Text10->setPlainText(text);
    else
        showStoredText(m_phoneLines.at(field), text);
}

// --- events -------------------------------------------------------------------------------

void Form1::Text3_Click(int index)
{
    m_grid->calpos = index;
    if (!m_grid->isEmptyCell(index)) {
        m_grid->paintOrdinary();
        m_grid->markCell(index);
    }
    Text11->setFocus();
}

void Form1::List2_Click(int row)
{
    position2 = qint16(row + 1);
    guarded(this, [this] { ngetrec(); });
    showStoredText(Text15, NDate);
}

void Form1::Command6_Click()
{
    Text15->clear();
    Text11->clear();
    guarded(this, [this] {
        nseekrec();
        position2 = qint16(Numbrecords2 + 1);
    });
    markRow(List2, position2 - 1); // a new note has no row until it is saved
    Text15->setFocus();
}

void Form1::Command21_Click()
{
    NDate = Text15->text();
    guarded(this, [this] {
        nputrec();
        nremovelist();
        nshowlist();
    });
}

void Form1::Command5_Click()
{
    if (!confirmDelete(this))
        return;
    Text11->clear();
    Text15->clear();
    NDate.clear();
    guarded(this, [this] {
        nputrec();
        nremovelist();
        nshowlist();
    });
}

void Form1::List1_Click(int row)
{
    position = qint16(row + 2);
    Text16->setText(QStringLiteral("POS ") + QString::number(position));
    guarded(this, [this] { getrec(); });
}

void Form1::Command3_Click()
{
    m_phoneLines.at(PersonRecord::Name)->setFocus();
    guarded(this, [this] {
        seekrec();
        position = qint16(Numbrecords + 1);
        getrec();
    });
    markRow(List1, position - 2);
}

void Form1::Command23_Click()
{
    guarded(this, [this] {
        putrec2();
        seekrec();
        removelist();
        showlist();
    });
}

void Form1::Command4_Click()
{
    if (!confirmDelete(this))
        return;
    for (int i = 0; i < PersonRecord::FieldCount; ++i)
        setPhoneBox(PersonRecord::Field(i), QString());
    guarded(this, [this] {
        putrec2();
        seekrec();
        removelist();
        showlist();
    });
}

void Form1::Command20_Click()
{
    m_grid->step(Calendar::Step::PreviousYear);
    drawcal();
}

void Form1::Command1_Click()
{
    m_grid->step(Calendar::Step::PreviousMonth);
    drawcal();
}

void Form1::today_Click()
{
    WorkingDate::setFromText(mycurrentdate);
    RestoreStartDate();
    drawcal();
}

void Form1::Command2_Click()
{
    m_grid->step(Calendar::Step::NextMonth);
    drawcal();
}

void Form1::Command19_Click()
{
    m_grid->step(Calendar::Step::NextYear);
    drawcal();
}
