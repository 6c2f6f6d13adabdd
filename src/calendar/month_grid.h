#pragma once

#include "calendar/calendar_arithmetic.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <array>

class QColor;
class QLabel;
class QLineEdit;
class QPushButton;

// What sets one calendar window's grid apart from the others'.
struct MonthGridSettings
{
    QString cellName;       // the cells' control-array name: "Text1" makes Text1_0 ... Text1_41
    QString headsLabelName; // the label that carries the column heads
    QString columnHeads;
    // The navigation buttons "<<", "<", "Today", ">", ">>", in that order.
    std::array<QString, 5> buttonNames;
    bool marksWorkingDay = true;  // drawcal marks the working day's cell and sets daypos
    bool resetsTextColour = true; // drawcal turns every cell's text black
    Calendar::StepRules steps;
};

// The month calendar of the working date: the navigation buttons, a row of column heads and 42
// display-only day cells, row-major and Sunday first. The month is always the working date's;
// the steps move the working date and leave the redraw to the window, which also connects the
// buttons.
//
// The cells take the focus together, as one control (days()): a frame shows the current day,
// the arrow keys move it (across a month's edge by the window's "<" and ">"), Page Up and Page
// Down press "<" and ">", Home presses "Today", and Return or Space click the current day.
class MonthGrid : public QWidget
{
    Q_OBJECT

public:
    static constexpr int CellCount = 42;

    explicit MonthGrid(const MonthGridSettings &settings, QWidget *parent = nullptr);

    const MonthGridSettings &settings() const { return m_settings; }
    QLineEdit *cell(int index) const { return m_cells.at(index); }
    // The control of the day cells, which takes the focus for them.
    QWidget *days() const { return m_days; }
    // The cell the keyboard is on: the working day after each drawcal, else the day last
    // reached by the keys or clicked.
    int currentCell() const { return m_current; }
    QLabel *heads() const { return m_heads; }
    enum Button { PreviousYear, PreviousMonth, Today, NextMonth, NextYear };
    QPushButton *button(Button which) const { return m_buttons.at(which); }
    // The window's label that drawcal writes the long date into.
    void setDateLabel(QLabel *label) { m_dateLabel = label; }

    // Calendar state of the working month, as drawcal last left it.
    int leap = 0;     // 1 in a leap year
    int monthlen = 0; // days of the working month
    int adjust = 0;   // weekday of its 1st, 1 = Sunday ... 7 = Saturday
    int daypos = 0;   // cell marked as the working day
    int calpos = 0;   // cell last clicked; the window keeps it
    // The working date when drawcal last ran: the month on show, until the next drawcal.
    QDate drawnDate() const { return m_drawnDate; }

    void leapyear();
    void getmonthlen();
    void drawcal();

    int cellOfDay(int day) const { return adjust - 2 + day; }
    int dayInCell(int index) const { return index - adjust + 2; }
    bool isEmptyCell(int index) const;

    // Every cell cyan with black text.
    void paintOrdinary();
    // One cell blue with white text: the selected or marked day.
    void markCell(int index);
    void setCellTextColour(int index, const QColor &colour);
    QColor cellBackground(int index) const;
    QColor cellTextColour(int index) const;

    // Sets the working date as the window's step rules say; drawing is the caller's.
    Calendar::StepTarget::Outcome step(Calendar::Step step);

signals:
    void cellClicked(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setCellBackground(int index, const QColor &colour);
    QDate dateInCell(int index) const;
    void setCurrentCell(int index);
    bool dayKey(int key);
    void moveCurrent(int days);
    // Presses a navigation button as a click would; the focus stays on the days.
    void press(Button which);

    MonthGridSettings m_settings;
    QList<QLineEdit *> m_cells;
    QWidget *m_days;
    QWidget *m_focusFrame;
    int m_current = -1;
    std::array<QPushButton *, 5> m_buttons;
    QLabel *m_heads;
    QLabel *m_dateLabel = nullptr;
    QDate m_drawnDate;
};
