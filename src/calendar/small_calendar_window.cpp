#include "small_calendar_window.h"

#include "month_grid.h"

#include "platform/accessible_names.h"
#include "platform/working_date.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

MonthGridSettings smallCalendarGrid()
{
    MonthGridSettings settings;
    settings.cellName = QStringLiteral("Text1");
    settings.headsLabelName = QStringLiteral("Label2");
    settings.columnHeads = QStringLiteral("  S      M      T    W      T      F      S");
    settings.buttonNames = {QStringLiteral("Command1"), QStringLiteral("Command2"),
                            QStringLiteral("Command3"), QStringLiteral("Command4"),
                            QStringLiteral("Command5")};
    // "<" in January and ">" in December do nothing; a step to a day the target month lacks
    // lands on its last day.
    settings.steps.backInJanuary = Calendar::YearEdge::Ignore;
    settings.steps.forwardInDecember = Calendar::YearEdge::Ignore;
    settings.steps.monthStepMissingDay = Calendar::MissingDay::LastDay;
    settings.steps.yearStepMissingDay = Calendar::MissingDay::LastDay;
    return settings;
}

} // namespace

Form10::Form10(QWidget *parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Small Calendar"));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    m_grid = new MonthGrid(smallCalendarGrid(), Frame1);
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(m_grid);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    m_grid->setDateLabel(Label1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Label1);

    // Takes the focus away from the grid; it lies outside the visible area.
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    nameForRole(Text2, QStringLiteral("Small calendar"));
    Text2->setGeometry(-100, -100, 10, 10);
    Text2->setFocusPolicy(Qt::NoFocus); // no stop for Tab, being out of sight

    connect(m_grid->button(MonthGrid::PreviousYear), &QPushButton::clicked, this,
            &Form10::Command1_Click);
    connect(m_grid->button(MonthGrid::PreviousMonth), &QPushButton::clicked, this,
            &Form10::Command2_Click);
    connect(m_grid->button(MonthGrid::Today), &QPushButton::clicked, this, &Form10::Command3_Click);
    connect(m_grid->button(MonthGrid::NextMonth), &QPushButton::clicked, this,
            &Form10::Command4_Click);
    connect(m_grid->button(MonthGrid::NextYear), &QPushButton::clicked, this,
            &Form10::Command5_Click);
    connect(m_grid, &MonthGrid::cellClicked, this, &Form10::Text1_Click);
}

void Form10::Form_Load()
{
    mycurrentdate = WorkingDate::toText(WorkingDate::current());
    drawcal();
}

void Form10::Form_Deactivate()
{
    RestoreStartDate();
    Text2->setFocus();
}

void Form10::drawcal()
{
    m_grid->drawcal();
}

void Form10::stepAndDraw(Calendar::Step step)
{
    if (m_grid->step(step) != Calendar::StepTarget::Outcome::Ignored)
        drawcal();
}

void Form10::Command1_Click()
{
    stepAndDraw(Calendar::Step::PreviousYear);
}

void Form10::Command2_Click()
{
    stepAndDraw(Calendar::Step::PreviousMonth);
}

void Form10::Command3_Click()
{
    WorkingDate::setFromText(mycurrentdate);
    RestoreStartDate();
    drawcal();
}

void Form10::Command4_Click()
{
    stepAndDraw(Calendar::Step::NextMonth);
}

void Form10::Command5_Click()
{
    stepAndDraw(Calendar::Step::NextYear);
}

void Form10::Text1_Click(int /*index*/)
{
    // Nothing is selected: the click only takes the focus off the grid.
    Text2->setFocus();
}
