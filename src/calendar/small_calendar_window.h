#pragma once

#include "platform/form.h"

#include "calendar/calendar_arithmetic.h"

#include <QString>

class MonthGrid;
class QGroupBox;
class QLabel;
class QLineEdit;

// The small calendar: a read-only month of the working date, stepped by month and year.
class Form10 : public Form
{
    Q_OBJECT

public:
    explicit Form10(QWidget *parent = nullptr);

    MonthGrid *grid() const { return m_grid; }

    QString mycurrentdate; // the working date when the window loaded

    void drawcal();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Text1_Click(int index);

protected:
    void Form_Load() override;
    void Form_Deactivate() override;

private:
    void stepAndDraw(Calendar::Step step);

    MonthGrid *m_grid;
    QGroupBox *Frame1;
    QLabel *Label1;
    QLineEdit *Text2;
};
