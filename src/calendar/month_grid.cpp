#include "month_grid.h"

#include "platform/keyboard.h"
#include "platform/working_date.h"

#include <QAccessible>
#include <QAccessibleWidget>
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

// The days take the focus together; to a screen reader they are a group named for what they
// are, whose description follows the current day, instead of a plain widget it cannot tell of.
class MonthDays : public QWidget
{
public:
    using QWidget::QWidget;
};

QAccessibleInterface *monthDaysAccessible(const QString &, QObject *object)
{
    if (auto *days = dynamic_cast<MonthDays *>(object))
        return new QAccessibleWidget(days, QAccessible::Grouping);
    return nullptr;
}

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
            const QLineEdit *cell = m_cells.at(column);
            const int left = mapFromGlobal(cell->mapToGlobal(QPoint(0, 0))).x();
            const QRect over(left, 0, cell->width(), height());
            painter.drawText(over, Qt::AlignCenter, heads.at(column));
        }
    }

private:
    const QList<QLineEdit *> &m_cells;
};

// Drawn over the day cells: a ring round the current day while the days have the focus, in the
// text colour with a line of the base colour inside, so it shows on any cell colour.
class FocusRing : public QWidget
{
public:
    FocusRing(const QList<QLineEdit *> &cells, const int &current, QWidget *days)
        : QWidget(days), m_cells(cells), m_current(current)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
        if (!parentWidget()->hasFocus() || m_current < 0 || m_current >= m_cells.size())
            return;
        QPainter painter(this);
        const QRect cell = m_cells.at(m_current)->geometry();
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        painter.drawRect(cell.adjusted(1, 1, -1, -1));
        painter.setPen(QPen(palette().color(QPalette::Base), 1));
        painter.drawRect(cell.adjusted(2, 2, -3, -3));
    }

private:
    const QList<QLineEdit *> &m_cells;
    const int &m_current;
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

    // Once for the program: the list of factories is Qt's own.
    [[maybe_unused]] static const bool readable =
        (QAccessible::installFactory(monthDaysAccessible), true);
    m_days = new MonthDays(this);
    m_days->setObjectName(m_settings.cellName);
    m_days->setFocusPolicy(Qt::StrongFocus);
    m_days->setAccessibleName(QStringLiteral("Days of the month"));
    m_days->installEventFilter(this);
    onKeys(m_days, [this](int key) { return dayKey(key); });
    auto *daysLayout = new QGridLayout(m_days);
    daysLayout->setContentsMargins(0, 0, 0, 0);
    daysLayout->setSpacing(1);
    layout->addWidget(m_days, 2, 0, 1, 7);

    m_cells.reserve(CellCount);
    for (int i = 0; i < CellCount; ++i) {
        auto *box = new QLineEdit(m_days);
        box->setObjectName(m_settings.cellName + u'_' + QString::number(i));
        // Display-only: never edited, never focused (the days take the focus together); a click
        // is the window's to handle.
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setAlignment(Qt::AlignCenter);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000")));
        box->installEventFilter(this);
        daysLayout->addWidget(box, i / 7, i % 7);
        m_cells.append(box);
    }
    m_focusFrame = new FocusRing(m_cells, m_current, m_days);
    m_focusFrame->raise();
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

    for (int i = 0; i < CellCount; ++i) {
        const QDate date = dateInCell(i);
        m_cells.at(i)->setAccessibleName(date.isValid() ? Calendar::spokenDate(date) : QString());
    }
    for (int day = 1; day <= monthlen; ++day)
        m_cells.at(cellOfDay(day))->setText(QString::number(day));
    setCurrentCell(cellOfDay(today.day()));

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

QDate MonthGrid::dateInCell(int index) const
{
    const int day = dayInCell(index);
    if (!m_drawnDate.isValid() || day < 1 || day > monthlen)
        return {};
    return QDate(m_drawnDate.year(), m_drawnDate.month(), day);
}

void MonthGrid::setCurrentCell(int index)
{
    m_current = index;
    // A screen reader hears the day the keys reach as the description of the days control.
    const QDate date = dateInCell(index);
    const QString spoken = date.isValid() ? Calendar::spokenDate(date) : QString();
    if (spoken != m_days->accessibleDescription()) {
        m_days->setAccessibleDescription(spoken);
        // The widget keeps the new text to itself: a reader hears of it from this event.
        QAccessibleEvent changed(m_days, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    m_focusFrame->update();
}

void MonthGrid::press(Button which)
{
    m_buttons.at(which)->click();
    // A window's step may send the focus to a box of its own; the keys stay with the days.
    if (m_days->isVisible())
        m_days->setFocus(Qt::OtherFocusReason);
}

void MonthGrid::moveCurrent(int days)
{
    const QDate from = dateInCell(m_current);
    if (!from.isValid())
        return;
    const QDate to = from.addDays(days);
    if (to.year() == from.year() && to.month() == from.month()) {
        setCurrentCell(cellOfDay(to.day()));
        return;
    }
    // Past the month's edge: the window's own month step, with all its rules, leads there.
    press(to < from ? PreviousMonth : NextMonth);
    if (m_drawnDate.year() == to.year() && m_drawnDate.month() == to.month())
        setCurrentCell(cellOfDay(to.day()));
    else if (m_drawnDate.year() == from.year() && m_drawnDate.month() == from.month())
        setCurrentCell(cellOfDay(from.day())); // the step stayed in the month
}

bool MonthGrid::dayKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
        moveCurrent(-1);
        return true;
    case Qt::Key_Right:
        moveCurrent(1);
        return true;
    case Qt::Key_Up:
        moveCurrent(-7);
        return true;
    case Qt::Key_Down:
        moveCurrent(7);
        return true;
    case Qt::Key_PageUp:
        press(PreviousMonth);
        return true;
    case Qt::Key_PageDown:
        press(NextMonth);
        return true;
    case Qt::Key_Home:
        press(Today);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (dateInCell(m_current).isValid())
            emit cellClicked(m_current);
        return true;
    default:
        return false;
    }
}

bool MonthGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_days) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            m_focusFrame->update();
            break;
        case QEvent::Resize:
            m_focusFrame->setGeometry(m_days->rect());
            break;
        default:
            break;
        }
        return QWidget::eventFilter(watched, event);
    }
    // A double click would select the cell's text; it is the second click of a pair only.
    if (event->type() == QEvent::MouseButtonDblClick)
        return true;
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int index = m_cells.indexOf(static_cast<QLineEdit *>(watched));
        if (index >= 0 && mouse->button() == Qt::LeftButton) {
            if (dateInCell(index).isValid())
                setCurrentCell(index);
            emit cellClicked(index);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
