#pragma once

#include "calendar/reminder_store.h"

#include "platform/form.h"
#include "settings/configured_font.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The reminder window: named, dated reminders with a note. When it loads, the first reminder
// dated today is announced with the configured sound and left on display.
class Form8 : public Form
{
    Q_OBJECT

public:
    explicit Form8(QWidget *parent = nullptr);

    qint16 position = 0;
    qint16 Numbrecords = 0;
    qint16 SavePos = 0;
    QString Datefield;
    QString ToSoundpath;
    QString ToSoundPlay;

    void testopen();
    void createremind();
    void seekrec();
    void getrec();
    void putrec2();
    void removelist();
    void showlist();
    void checkdate();
    void getpref();
    void getconfig();
    void showmyfonts();

    void List1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    // Selects a List1 entry and runs its click step, as choosing it by hand does.
    void selectEntry(int index);
    void markEntry(int index);

    ReminderStore m_store;
    ConfiguredFont m_font; // the font dialog's settings

    QPushButton *Command4;
    QPushButton *Command1;
    QPushButton *Command3;
    QPushButton *Command2;
    QLineEdit *Text2;
    QPlainTextEdit *Text3;
    QGroupBox *Frame1;
    QListWidget *List2;
    QListWidget *List1;
    QLineEdit *Text5;
    QLineEdit *Text4;
    QLabel *Label2;
    QLabel *Label1;
    QLabel *Label3;
    QGroupBox *Frame3;
    QGroupBox *Frame2;
};
