#pragma once

#include "platform/form.h"

#include "calendar/appointment_store.h"
#include "calendar/calendar_arithmetic.h"
#include "settings/configured_font.h"

#include <QString>

#include <array>

class MonthGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The day planner: the working month with its red days, and for the day clicked its 24
// half-hour slot notes and a day note, saved to appoint.dat and cal.dat.
class form5 : public Form
{
    Q_OBJECT

public:
    explicit form5(QWidget *parent = nullptr);

    MonthGrid *grid() const { return m_grid; }
    const AppointmentStore &store() const { return m_store; }
    AppointmentStore &store() { return m_store; }

    // appoint.dat
    qint16 position = 1;
    qint16 savposition = 1;
    qint16 Numbrecords = 0;
    qint16 match = 0;
    QString AppointmentDate; // key of the day record last read, or to write
    QString curAppointDate;  // the selected day, m/d/yyyy
    QString curMonthYear;    // the working month, m/yyyy
    std::array<QString, AppointmentRecord::SlotCount> note; // note1 ... note24
    qint16 DeletePos = 1; // record of the selected day; 1 when it has none
    qint16 TempNumbrecords = 0;
    // cal.dat
    qint16 position2 = 1;
    qint16 Numbrecords2 = 0;
    qint16 CalMatch = 0;
    QString caldate;
    std::array<qint16, MonthRecord::FlagCount + 1> DayFlags{}; // by grid cell, 1 ... 41
    // The window.
    qint16 PageSel = 0;    // 1 while the note page is shown
    qint16 Calclick = 0;   // 1 once a day has been clicked
    qint16 myappointx = 6; // first hour of the time list
    qint16 Start = 0;      // weekday of the working month's 1st
    QString TheDateToday;  // the working date when the window loaded
    QString curdate;
    qint16 curmonth = 0;
    qint16 curyear = 0;

    // Procedures.
    void testopen();
    void seekrec();
    void getrec2();
    void checkrec();
    void CheckCal();
    void GetCal();
    void saveit();
    void getpref();
    void getconfig();
    void showmyfonts();
    void Maketime();
    void drawcal();
    void ShowHiLite();
    void CalInfo();

    // Events.
    void Text1_Click(int index);
    void List1_DblClick();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command11_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    // The reading order, with the note page where it shows: over the time list.
    void orderTabs() override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void readWorkingDate();
    QString keyOfCell(int index) const;
    void showNotePage(bool shown);
    void yearOrMonthStep(Calendar::Step step);
    void printDay();

    AppointmentStore m_store;
    ConfiguredFont CommonDialog1;
    // The slot whose note was just entered: only that one is saved from Text3.
    int m_enteredSlot = -1;

    MonthGrid *m_grid;
    QLabel *Label2;
    QLabel *Label3;
    QListWidget *List1;
    QListWidget *List3;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text5;
    QLineEdit *Text6;
    QLineEdit *Text7;
    QLineEdit *Text8;
    QLineEdit *Text9;
    QLineEdit *Text10;
    QGroupBox *Frame5;
    QLabel *Label4;
    QPlainTextEdit *Text4;
    QPushButton *Command1;
    QPushButton *Command7;
    QPushButton *Command8;
    QPushButton *Command9;
    QPushButton *Command10;
    QPushButton *Command11;
};
