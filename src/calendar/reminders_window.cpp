#include "reminders_window.h"

#include "platform/accessible_names.h"
#include "platform/common_messages.h"
#include "platform/field_box.h"
#include "platform/file_guard.h"
#include "platform/placed_controls.h"
#include "platform/print_text.h"
#include "platform/sound_player.h"
#include "platform/twips.h"
#include "platform/working_date.h"
#include "settings/preference_files.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

Form8::Form8(QWidget *parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("REMINDER"));
    resizeTwips(this, 9495, 5295);

    Frame3 = twipsControl<QGroupBox>(this, QStringLiteral("Frame3"), 0, 0, 9495, 4620);
    Frame1 = twipsControl<QGroupBox>(this, QStringLiteral("Frame1"), 120, 240, 4215, 4215);
    Frame2 = twipsControl<QGroupBox>(this, QStringLiteral("Frame2"), 4560, 240, 4815, 4215);

    Label1 = placedLabel(this, "Label1", QStringLiteral("Reminder Name"), 240, 240, 2415, 240);
    Label2 = placedLabel(this, "Label2", QStringLiteral("Date"), 2880, 240, 1095, 240);
    Label3 = placedLabel(this, "Label3", QStringLiteral("Reminder Note"), 4680, 240, 2415, 240);

    Text4 = twipsControl<QLineEdit>(this, QStringLiteral("Text4"), 240, 480, 2415, 285);
    Text5 = twipsControl<QLineEdit>(this, QStringLiteral("Text5"), 2880, 480, 1095, 285);
    List1 = twipsControl<QListWidget>(this, QStringLiteral("List1"), 240, 840, 2415, 3180);
    List2 = twipsControl<QListWidget>(this, QStringLiteral("List2"), 2880, 840, 1095, 3180);
    Text3 = twipsControl<QPlainTextEdit>(this, QStringLiteral("Text3"), 4680, 480, 4575, 3855);
    nameAfterLabel(Text4, Label1);
    nameAfterLabel(Text5, Label2);
    nameAfterLabel(Text3, Label3);
    nameForRole(List1, QStringLiteral("Reminder names"));
    nameForRole(List2, QStringLiteral("Reminder dates"));
    Text3->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    limitToField(Text4, ReminderRecord::NameWidth);
    limitToField(Text5, ReminderRecord::DateWidth);
    limitToField(Text3, ReminderRecord::NoteWidth);

    // The strip behind the buttons.
    Text2 = buttonStrip(this, "Text2", 0, 4680, 9495, 615);

    Command1 = placedButton(this, "Command1", QStringLiteral("Save It !"), 360, 4800, 1575, 375);
    Command3 = placedButton(this, "Command3", QStringLiteral("Delete"), 2280, 4800, 975, 375);
    Command2 = placedButton(this, "Command2", QStringLiteral("Add"), 3480, 4800, 1095, 375);
    Command4 = placedButton(this, "Command4", QStringLiteral("Print"), 8280, 4800, 975, 375);

    for (QWidget *behind : {static_cast<QWidget *>(Text2), static_cast<QWidget *>(Frame2),
                            static_cast<QWidget *>(Frame1), static_cast<QWidget *>(Frame3)})
        behind->lower();

    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    // The dates mirror the names: choosing a date chooses its reminder.
    connect(List2, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != List1->currentRow())
            List1->setCurrentRow(row);
    });
    connect(Command1, &QPushButton::clicked, this, &Form8::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form8::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form8::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form8::Command4_Click);
}

void Form8::Form_Load()
{
    guarded(this, [this] {
        getpref();
        getconfig();
        showmyfonts();
        Text5->clear();
        testopen();
        seekrec();
        position = 1;
        showlist();
        position = 1;
        getrec();
        checkdate();
    });
}

void Form8::Form_Activate()
{
    guarded(this, [this] {
        getconfig();
        showmyfonts();
    });
}

void Form8::testopen()
{
    if (!m_store.exists())
        createremind();
}

void Form8::createremind()
{
    m_store.createremind();
}

void Form8::seekrec()
{
    Numbrecords = qint16(m_store.count());
}

void Form8::getrec()
{
    const ReminderRecord reminder = m_store.read(position);
    showStoredText(Text4, reminder.RemName);
    Text3->setPlainText(reminder.RemNote);
    showStoredText(Text5, reminder.RemDate);
    Datefield = reminder.RemDate;
}

void Form8::putrec2()
{
    ReminderRecord reminder;
    reminder.RemName = Text4->text();
    reminder.RemNote = boxText(Text3);
    reminder.RemDate = Text5->text();
    m_store.write(position, reminder);
}

void Form8::removelist()
{
    const QSignalBlocker block(List1);
    List1->clear();
    List2->clear();
}

void Form8::showlist()
{
    seekrec();
    SavePos = position;
    {
        // One read of the file for the whole list; no click runs meanwhile.
        const QSignalBlocker block(List1);
        for (const ReminderRecord &reminder : m_store.readAll()) {
            List1->addItem(reminder.RemName);
            List2->addItem(reminder.RemDate);
        }
    }
    position = SavePos;
    // The current reminder is the one selected and shown, so a save writes what is shown; a
    // current record outside the list gives way to the first.
    if (List1->count() > 0)
        selectEntry(position >= 1 && position <= List1->count() ? position - 1 : 0);
}

void Form8::checkdate()
{
    seekrec();
    SavePos = position;
    const QDate today = WorkingDate::current();
    const QList<ReminderRecord> reminders = m_store.readAll();
    for (int i = 0; i < reminders.size(); ++i) {
        // Compared as days, so "12/10/2026" and "12/10/26" ring alike; a text that names no
        // day never rings.
        if (reminderDate(reminders.at(i).RemDate) != today)
            continue;
        // The due reminder becomes the current one, so a save writes it back to its own place.
        position = qint16(i + 1);
        getrec();
        markEntry(i);
        // A sound program that cannot be started leaves the reminder on display all the same.
        SoundPlayer::play(ToSoundpath, ToSoundPlay, ProgramStart::WindowMode::Hide);
        return;
    }
    position = SavePos;
    getrec();
    markEntry(position - 1);
}

void Form8::getpref()
{
    const PrefRecord prefs = PreferenceFiles::readSetup();
    ToSoundpath = prefs.SoundProgram;
    ToSoundPlay = prefs.SoundFile;
}

void Form8::getconfig()
{
    m_font = ConfiguredFont::read(ConfigRecord::Length);
}

void Form8::showmyfonts()
{
    m_font.applyBold(Text3);
    for (QWidget *box : {static_cast<QWidget *>(Text3), static_cast<QWidget *>(Text4),
                         static_cast<QWidget *>(Text5), static_cast<QWidget *>(List1),
                         static_cast<QWidget *>(List2)})
        m_font.applySize(box);
}

void Form8::List1_Click()
{
    guarded(this, [this] {
        position = qint16(List1->currentRow() + 1);
        getrec();
    });
    markEntry(List1->currentRow());
}

void Form8::Command2_Click()
{
    guarded(this, [this] {
        seekrec();
        if (Numbrecords >= ReminderStore::MaxRecords) {
            tell(this, QStringLiteral("The reminder file is full."));
            return;
        }
        position = qint16(Numbrecords + 1);
        getrec();
        markEntry(-1);
        // What is typed next names the new reminder.
        Text4->setFocus();
    });
}

void Form8::Command1_Click()
{
    guarded(this, [this] {
        putrec2();
        seekrec();
        removelist();
        showlist();
    });
}

void Form8::Command3_Click()
{
    if (!confirmDelete(this))
        return;
    guarded(this, [this] {
        seekrec();
        SavePos = position;
        m_store.removeByShifting(position, Numbrecords);
        position = SavePos;
        removelist();
        // Shows the reminder that moved into the deleted one's place.
        showlist();
    });
}

void Form8::Command4_Click()
{
    printAfterAsking(this, QStringLiteral("Reminder"), boxText(Text3));
}

void Form8::selectEntry(int index)
{
    markEntry(index);
    List1_Click();
}

void Form8::markEntry(int index)
{
    const QSignalBlocker blockNames(List1);
    const QSignalBlocker blockDates(List2);
    List1->setCurrentRow(index);
    List2->setCurrentRow(index);
}
