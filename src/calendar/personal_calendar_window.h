#pragma once

#include "platform/form.h"

#include "calendar/calendar_arithmetic.h"
#include "calendar/note_file.h"
#include "calendar/personal_file.h"
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

// The personal calendar and phone book: a month calendar, the free notes of note.dat and the
// phone book of personal.dat. The calendar is not linked to the notes or the phone book.
class Form1 : public Form
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    MonthGrid *grid() const { return m_grid; }

    // personal.dat: the current record; list row r is record r + 2.
    qint16 position = 2;
    qint16 Numbrecords = 0;
    qint16 SavePos = 0;
    // note.dat: the current record; list row r is record r + 1.
    qint16 position2 = 1;
    qint16 Numbrecords2 = 0;
    qint16 SavePos2 = 0;
    QString NDate; // title of the note last read or to be written
    QString mycurrentdate;

    // Stores.
    void opentest();
    void opentest2();
    void notecreate();
    void createpersonal();
    void nseekrec();
    void ngetrec();
    void nputrec();
    void nremovelist();
    void nshowlist();
    void seekrec();
    void getrec();
    void putrec2();
    void removelist();
    void showlist();
    void getconfig();
    void showmyfonts();
    void drawcal();

    // Events.
    void Text3_Click(int index);
    void List2_Click(int row);
    void Command6_Click();
    void Command21_Click();
    void Command5_Click();
    void List1_Click(int row);
    void Command3_Click();
    void Command23_Click();
    void Command4_Click();
    void Command20_Click();
    void Command1_Click();
    void today_Click();
    void Command2_Click();
    void Command19_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

private:
    QString phoneBox(PersonRecord::Field field) const;
    void setPhoneBox(PersonRecord::Field field, const QString &text);

    NoteFile m_notes;
    PersonalFile m_people;
    ConfiguredFont CommonDialog1;

    MonthGrid *m_grid;
    QLabel *Label2;
    QListWidget *List2;
    QLineEdit *Text15;
    QPlainTextEdit *Text11;
    QPushButton *Command6;
    QPushButton *Command21;
    QPushButton *Command5;
    QListWidget *List1;
    // The phone boxes in field order; the notes field is Text10.
    std::array<QLineEdit *, PersonRecord::FieldCount - 1> m_phoneLines;
    QPlainTextEdit *Text10;
    QPushButton *Command3;
    QPushButton *Command23;
    QPushButton *Command4;
    QLineEdit *Text16;
};
