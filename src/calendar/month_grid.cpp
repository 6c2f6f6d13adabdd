#include "month_grid.h"

#include "platform/working_date.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

const QColor Cyan(0, 255, 255);
const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);

// The column heads keep their text exactly as given; each head is drawn centred over its
// column, so the letters line up with the cells in any font.
class ColumnHeads : public QLabel
{
public:
    ColumnHeads(const QString &text, const QList<QLineEdit *> &cells, QWidget *parent)
        : QLabel(text, parent), m_cells(cells)
    {}

protected:
    void paintEvent(QPaintEvent *event) override
    {
        const QStringList heads = text().split(u' ', Qt::SkipEmptyParts);
        if (heads.size() != 7 || m_cells.size() < 7) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        for (int column = 0; column < 7; ++column) {
            const QRect cell = m_cells.at(column)->geometry();
            const QRect over(mapFromParent(cell.topLeft()).x(), 0, cell.width(), height());
            painter.drawText(over, Qt::AlignCenter, heads.at(column));
        }
    }

private:
    const QList<QLineEdit *> &m_cells;
};

} // namespace

MonthGrid::MonthGrid(const MonthGridSettings &settings, QWidget *parent)
    : QWidget(parent), m_settings(settings)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);

    static const char *const captions[] = {"<<", "<", "Today", ">", ">>"};
    auto *buttons = new QHBoxLayout;
    for (int i = 0; i < int(m_buttons.size()); ++i) {
        auto *pushButton = new QPushButton(QLatin1String(captions[i]), this);
        pushButton->setObjectName(m_settings.buttonNames.at(i));
        buttons->addWidget(pushButton, i == Today ? 2 : 1);
        m_buttons.at(i) = pushButton;
    }
    layout->addLayout(buttons, 0, 0, 1, 7);

    m_heads = new ColumnHeads(m_settings.columnHeads, m_cells, this);
    m_heads->setObjectName(m_settings.headsLabelName);
    layout->addWidget(m_heads, 1, 0, 1, 7);

    m_cells.reserve(CellCount);
    for (int i = 0; i < CellCount; ++i) {
        auto *box = new QLineEdit(this);
        box->setObjectName(m_settings.cellName + u'_' + QString::number(i));
        // Display-only: never edited, never focused; a click is the window's to handle.
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setAlignment(Qt::AlignCenter);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000")));
        box->installEventFilter(this);
        layout->addWidget(box, 2 + i / 7, i % 7);
        m_cells.append(box);
    }
    paintOrdinary();
}

void MonthGrid::leapyear()
{
    if (Calendar::isLeapYear(WorkingDate::current().year()))
        leap = 1;
}

void MonthGrid::getmonthlen()
{
    const QDate today = WorkingDate::current();
    if (today.month() == 2) {
        leap = 0;
        leapyear();
        monthlen = leap == 1 ? 29 : 28;
    } else {
        monthlen = Calendar::monthLength(today.year(), today.month());
    }
}

void MonthGrid::drawcal()
{
    for (int i = 0; i < CellCount; ++i) {
        setCellBackground(i, Cyan);
        if (m_settings.resetsTextColour)
            setCellTextColour(i, Black);
    }
    for (QLineEdit *box : std::as_const(m_cells))
        box->clear();

    const QDate today = WorkingDate::current();
    m_drawnDate = today;
    adjust = Calendar::firstWeekday(today.year(), today.month());
    getmonthlen();
    if (m_dateLabel)
        m_dateLabel->setText(Calendar::longDate(today));

    for (int day = 1; day <= monthlen; ++day)
        m_cells.at(cellOfDay(day))->setText(QString::number(day));

    if (m_settings.marksWorkingDay) {
        daypos = cellOfDay(today.day());
        markCell(daypos);
    }
}

bool MonthGrid::isEmptyCell(int index) const
{
    return m_cells.at(index)->text().isEmpty();
}

void MonthGrid::paintOrdinary()
{
    for (int i = 0; i < CellCount; ++i) {
        setCellBackground(i, Cyan);
        setCellTextColour(i, Black);
    }
}

void MonthGrid::markCell(int index)
{
    setCellBackground(index, Blue);
    setCellTextColour(index, White);
}

void MonthGrid::setCellBackground(int index, const QColor &colour)
{
    QLineEdit *box = m_cells.at(index);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

void MonthGrid::setCellTextColour(int index, const QColor &colour)
{
    QLineEdit *box = m_cells.at(index);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, colour);
    box->setPalette(palette);
}

QColor MonthGrid::cellBackground(int index) const
{
    return m_cells.at(index)->palette().color(QPalette::Base);
}

QColor MonthGrid::cellTextColour(int index) const
{
    return m_cells.at(index)->palette().color(QPalette::Text);
}

Calendar::StepTarget::Outcome MonthGrid::step(Calendar::Step step)
{
    const Calendar::StepTarget target =
        Calendar::stepTarget(WorkingDate::current(), step, m_settings.steps);
    if (target.outcome != Calendar::StepTarget::Outcome::Ignored)
        WorkingDate::set(target.date);
    return target.outcome;
}

bool MonthGrid::eventFilter(QObject *watched, QEvent *event)
{
    // A double click would select the cell's text; it is the second click of a pair only.
    if (event->type() == QEvent::MouseButtonDblClick)
        return true;
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int index = m_cells.indexOf(static_cast<QLineEdit *>(watched));
        if (index >= 0 && mouse->button() == Qt::LeftButton) {
            emit cellClicked(index);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
