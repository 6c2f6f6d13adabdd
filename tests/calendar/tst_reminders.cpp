#include "app/window_table.h"
#include "calendar/reminder_store.h"
#include "calendar/reminders_window.h"
#include "shell/main_window.h"
#include "shell/tool_windows.h"

#include "platform/printer.h"
#include "platform/shipped_files.h"
#include "platform/sound_player.h"
#include "platform/working_date.h"

#include "fake_program.h"
#include "frame.h"
#include "pdf_text.h"
#include "scripted_dialogs.h"
#include "typing.h"
#include "work_dir.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 5); // "3/5/26"

QByteArray reminder(qint16 recNo, const QByteArray &name, const QByteArray &date,
                    const QByteArray &note = QByteArray())
{
    return le16(recNo) + padded(name, 40) + padded(date, 20) + padded(note, 2000);
}

QByteArray blankReminder(qint16 recNo)
{
    return reminder(recNo, "", "", "");
}

QByteArray setupBytes(qint16 startup, const QByteArray &program, const QByteArray &sound)
{
    return le16(0) + padded("9", 10) + le16(startup) + le16(0) + padded(program, 50) +
           padded(sound, 50);
}

QByteArray recordOf(const QByteArray &file, int n)
{
    return file.mid((n - 1) * 2062, 2062);
}

template <typename T> T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

QStringList listEntries(QWidget *window, const char *name)
{
    QStringList entries;
    const auto *list = child<QListWidget>(window, name);
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->item(i)->text());
    return entries;
}

} // namespace

class TestReminders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void soundCommand_data();
    void soundCommand();
    void chimeIsAShortWave();

    void firstLoadCreatesTwoBlankReminders();
    void reminderDateReadsMonthDayYear_data();
    void reminderDateReadsMonthDayYear();
    void dueCheck_data();
    void dueCheck();
    void dueReminderStartsTheSoundProgram_data();
    void dueReminderStartsTheSoundProgram();
    void onlyTheFirstDueIsAnnouncedAndSavedInPlace();
    void startupValue3AnnouncesAtProgramStart();
    void addThenSaveAppends();
    void savedReminderStaysCurrent();
    void typingAtTheEndOfAStoredValueKeepsIt_data();
    void typingAtTheEndOfAStoredValueKeepsIt();
    void dateListFollowsTheNames();
    void boxesShowValuesFromTheirStart();
    void fullFileTakesNoMoreReminders();
    void deleteShiftsLaterReminders_data();
    void deleteShiftsLaterReminders();
    void printPrintsOnlyTheNote_data();
    void printPrintsOnlyTheNote();

private:
    ScriptedDialogs *m_dialogs = nullptr;
};

void TestReminders::initTestCase()
{
    // The chime the build ships beside the program.
    ShippedFiles::setFolders({QFileInfo(QStringLiteral(VELMORA_CHIME_FILE)).path()});
}

void TestReminders::init()
{
    m_dialogs = new ScriptedDialogs;
    WorkingDate::setClock([] { return Today; });
    WorkingDate::set(Today);
}

void TestReminders::cleanup()
{
    QCOMPARE(m_dialogs->pending(), 0);
    delete m_dialogs;
    WorkingDate::setClock({});
    SoundPlayer::setSearchPath({});
    Printing::setOutputFile(QString());
}

void TestReminders::soundCommand_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("installed"); // system programs found, in <dir>
    QTest::addColumn<QString>("expectedProgram");
    QTest::addColumn<QStringList>("expectedArguments");

    const QString windows = u"C:\\WINDOWS\\sndrec32.exe"_s.leftJustified(50);
    const QString alarm = u"alarm.wav"_s.leftJustified(50);
    const QStringList playTail = {u"/play"_s, u"/end"_s, u"alarm.wav"_s};

    QTest::newRow("windows recorder: first system player")
        << windows << alarm << QStringList{u"aplay"_s, u"paplay"_s} << u"<dir>/paplay"_s
        << QStringList{u"alarm.wav"_s};
    QTest::newRow("windows recorder in another case: pw-play first")
        << u"c:\\windows\\SNDREC32.EXE"_s << u"alarm.wav"_s
        << QStringList{u"aplay"_s, u"paplay"_s, u"pw-play"_s} << u"<dir>/pw-play"_s
        << QStringList{u"alarm.wav"_s};
    QTest::newRow("windows default sound: the chime")
        << windows << u"c:\\WINDOWS\\DING.WAV"_s.leftJustified(50) << QStringList{u"aplay"_s}
        << u"<dir>/aplay"_s << QStringList{u"<chime>"_s};
    QTest::newRow("windows recorder, no player")
        << windows << alarm << QStringList() << QString() << QStringList();
    QTest::newRow("configured program with a blank in its path")
        << u"<dir>/my player"_s.leftJustified(50) << alarm << QStringList{u"my player"_s}
        << u"<dir>/my player"_s << playTail;
    QTest::newRow("configured program with its own words")
        << uR"("<dir>/my player" --quiet)"_s << alarm << QStringList{u"my player"_s}
        << u"<dir>/my player"_s << QStringList{u"--quiet"_s} + playTail;
    QTest::newRow("default sound with a configured player: the chime")
        << u"<dir>/player"_s << u"C:\\Windows\\Ding.wav"_s << QStringList{u"player"_s}
        << u"<dir>/player"_s << QStringList{u"/play"_s, u"/end"_s, u"<chime>"_s};
    QTest::newRow("missing program is started as configured")
        << u"/nowhere/play"_s << alarm << QStringList{u"paplay"_s} << u"/nowhere/play"_s
        << playTail;
    QTest::newRow("shell signs and blanks stay one argument")
        << u"<dir>/player"_s << u"my $(x);`y`.wav   "_s << QStringList{u"player"_s}
        << u"<dir>/player"_s << QStringList{u"/play"_s, u"/end"_s, u"my $(x);`y`.wav"_s};
    QTest::newRow("quoted file name")
        << u"<dir>/player"_s << uR"("my sound.wav")"_s << QStringList{u"player"_s}
        << u"<dir>/player"_s << QStringList{u"/play"_s, u"/end"_s, u"my sound.wav"_s};
    QTest::newRow("no file") << u"<dir>/player"_s << QString(50, u' ') << QStringList{u"player"_s}
                             << u"<dir>/player"_s << QStringList{u"/play"_s, u"/end"_s};
    QTest::newRow("never-written setup fields")
        << QString(50, QChar(0)) << QString(50, QChar(0)) << QStringList{u"paplay"_s} << QString()
        << QStringList();
}

void TestReminders::soundCommand()
{
    QFETCH(QString, program);
    QFETCH(QString, file);
    QFETCH(QStringList, installed);
    QFETCH(QString, expectedProgram);
    QFETCH(QStringList, expectedArguments);

    QTemporaryDir dir;
    makeExecutables(dir.path(), installed);
    SoundPlayer::setSearchPath({dir.path()});
    auto expand = [&](QString text) {
        return text.replace(u"<dir>"_s, dir.path()).replace(u"<chime>"_s, SoundPlayer::chimePath());
    };
    for (QString &argument : expectedArguments)
        argument = expand(argument);

    const SoundPlayer::Command command = SoundPlayer::playCommand(expand(program), file);
    QCOMPARE(command.program, expand(expectedProgram));
    QCOMPARE(command.arguments, expectedArguments);
}

void TestReminders::chimeIsAShortWave()
{
    QFile file(QStringLiteral(VELMORA_CHIME_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray wav = file.readAll();
    QVERIFY(wav.size() > 44);
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), quint16(1)); // PCM
    const quint32 bytesPerSecond = qFromLittleEndian<quint32>(wav.constData() + 28);
    QCOMPARE(wav.mid(36, 4), QByteArray("data"));
    const quint32 dataSize = qFromLittleEndian<quint32>(wav.constData() + 40);
    QCOMPARE(dataSize, quint32(wav.size() - 44));
    QVERIFY(dataSize < bytesPerSecond * 2);            // under two seconds
    QVERIFY(wav.mid(44).count('\0') < wav.size() / 2); // not silence
}

void TestReminders::firstLoadCreatesTwoBlankReminders()
{
    WorkDir dir;
    Form8 window;
    window.show();
    QCOMPARE(dir.read(u"remind.dat"_s), le16(1) + padded("           ", 40) +
                                            QByteArray(2020, '\0') + le16(2) + padded("", 40) +
                                            QByteArray(2020, '\0'));
    QCOMPARE(listEntries(&window, "List1"), QStringList(2, QString()));
    QCOMPARE(listEntries(&window, "List2"), QStringList(2, QString()));
    QCOMPARE(window.Numbrecords, qint16(2));
    QCOMPARE(window.position, qint16(1));
}

void TestReminders::reminderDateReadsMonthDayYear_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("day"); // invalid: the text names no day
    QTest::newRow("two-digit year") << u"12/10/26"_s << QDate(2026, 12, 10);
    QTest::newRow("four-digit year") << u"12/10/2026"_s << QDate(2026, 12, 10);
    QTest::newRow("leading zeros") << u"09/05/2026"_s << QDate(2026, 9, 5);
    QTest::newRow("no leading zeros") << u"9/5/26"_s << QDate(2026, 9, 5);
    QTest::newRow("two-digit year is this century") << u"12/5/97"_s << QDate(2097, 12, 5);
    QTest::newRow("blanks around") << u"   3/5/26      "_s << QDate(2026, 3, 5);
    QTest::newRow("leap day") << u"2/29/2028"_s << QDate(2028, 2, 29);
    QTest::newRow("no such day") << u"2/30/26"_s << QDate();
    QTest::newRow("month 13") << u"13/1/26"_s << QDate();
    QTest::newRow("month 0") << u"0/1/26"_s << QDate();
    QTest::newRow("three-digit year") << u"3/5/026"_s << QDate();
    QTest::newRow("one-digit year") << u"3/5/6"_s << QDate();
    QTest::newRow("blank inside") << u"3/ 5/26"_s << QDate();
    QTest::newRow("day and month only") << u"3/5"_s << QDate();
    QTest::newRow("other separator") << u"3-5-26"_s << QDate();
    QTest::newRow("words after it") << u"3/5/26 noon"_s << QDate();
    QTest::newRow("sign") << u"+3/5/26"_s << QDate();
    QTest::newRow("words") << u"next Tuesday"_s << QDate();
    QTest::newRow("empty") << QString() << QDate();
}

void TestReminders::reminderDateReadsMonthDayYear()
{
    QFETCH(QString, text);
    QFETCH(QDate, day);
    QCOMPARE(reminderDate(text), day);
}

void TestReminders::dueCheck_data()
{
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<bool>("due");
    QTest::newRow("today") << QByteArray("3/5/26") << true;
    QTest::newRow("surrounding blanks") << QByteArray("  3/5/26 ") << true;
    QTest::newRow("leading zeros") << QByteArray("03/05/26") << true;
    QTest::newRow("four-digit year") << QByteArray("3/5/2026") << true;
    QTest::newRow("four-digit year, leading zeros") << QByteArray("03/05/2026") << true;
    QTest::newRow("same day a century on") << QByteArray("3/5/2126") << false;
    QTest::newRow("yesterday") << QByteArray("3/4/26") << false;
    QTest::newRow("no date") << QByteArray("soon") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestReminders::dueCheck()
{
    QFETCH(QByteArray, date);
    QFETCH(bool, due);
    WorkDir dir;
    dir.write(u"remind.dat"_s, reminder(1, "First", "1/1/26", "one") +
                                   reminder(2, "Due", date, "two") +
                                   reminder(3, "Later", "2/2/26", "three"));
    Form8 window;
    window.show();
    QCOMPARE(window.position, qint16(due ? 2 : 1));
    QCOMPARE(child<QLineEdit>(&window, "Text4")->text().trimmed(), due ? u"Due"_s : u"First"_s);
    QCOMPARE(child<QPlainTextEdit>(&window, "Text3")->toPlainText().trimmed(),
             due ? u"two"_s : u"one"_s);
    QCOMPARE(child<QListWidget>(&window, "List1")->currentRow(), window.position - 1);
}

void TestReminders::dueReminderStartsTheSoundProgram_data()
{
    QTest::addColumn<QString>("soundFile");
    QTest::newRow("plain") << u"ding.wav"_s;
    QTest::newRow("semicolon") << u"x;touch pwned.wav"_s;
    QTest::newRow("command substitution") << u"$(touch pwned).wav"_s;
    QTest::newRow("backquotes") << u"`touch pwned`.wav"_s;
    QTest::newRow("blank") << u"my sound.wav"_s;
}

void TestReminders::dueReminderStartsTheSoundProgram()
{
    QFETCH(QString, soundFile);
    WorkDir dir;
    FakeProgram player(dir.filePath(u"player"_s));
    dir.write(u"setup.dat"_s, setupBytes(0, "./player", soundFile.toLatin1()));
    dir.write(u"remind.dat"_s, reminder(1, "Dentist", "3/5/26"));
    Form8 window;
    window.show();
    const std::optional<QStringList> arguments = player.nextArguments();
    QVERIFY(arguments);
    QCOMPARE(*arguments, (QStringList{u"/play"_s, u"/end"_s, soundFile}));
    const QStringList pwned = QDir(dir.path()).entryList({u"pwned*"_s});
    QVERIFY2(pwned.isEmpty(), qPrintable(pwned.join(u' ')));
}

void TestReminders::onlyTheFirstDueIsAnnouncedAndSavedInPlace()
{
    WorkDir dir;
    FakeProgram player(dir.filePath(u"player"_s));
    dir.write(u"setup.dat"_s, setupBytes(0, "./player", "ding.wav"));
    const QByteArray file = reminder(1, "Other", "1/1/26", "one") +
                            reminder(2, "First due", "3/5/26", "two") +
                            reminder(3, "Second due", "3/5/26", "three");
    dir.write(u"remind.dat"_s, file);
    Form8 window;
    window.show();
    QVERIFY(player.nextArguments());
    QCOMPARE(child<QLineEdit>(&window, "Text4")->text().trimmed(), u"First due"_s);

    child<QPlainTextEdit>(&window, "Text3")->setPlainText(u"two\nchanged"_s);
    child<QPushButton>(&window, "Command1")->click();
    const QByteArray saved = dir.read(u"remind.dat"_s);
    QCOMPARE(saved.size(), file.size());
    QCOMPARE(recordOf(saved, 1), recordOf(file, 1));
    QCOMPARE(recordOf(saved, 2), reminder(2, "First due", "3/5/26", "two\r\nchanged"));
    QCOMPARE(recordOf(saved, 3), recordOf(file, 3));
}

void TestReminders::startupValue3AnnouncesAtProgramStart()
{
    WorkDir dir;
    FakeProgram player(dir.filePath(u"player"_s));
    dir.write(u"setup.dat"_s, setupBytes(3, "./player", "ding.wav"));
    dir.write(u"remind.dat"_s, reminder(1, "Call home", "3/5/26"));
    VL32V1 frame(createToolWindow);
    frame.show();
    const std::optional<QStringList> arguments = player.nextArguments();
    QVERIFY(arguments);
    QCOMPARE(*arguments, (QStringList{u"/play"_s, u"/end"_s, u"ding.wav"_s}));
    auto *window = qobject_cast<Form8 *>(frame.toolWindow(ToolWindowId::Form8));
    QVERIFY(window);
    QCOMPARE(child<QLineEdit>(window, "Text4")->text().trimmed(), u"Call home"_s);
}

void TestReminders::addThenSaveAppends()
{
    WorkDir dir;
    Form8 window;
    window.show();
    child<QPushButton>(&window, "Command2")->click();
    QCOMPARE(window.position, qint16(3));
    QVERIFY(child<QLineEdit>(&window, "Text4")->text().isEmpty());
    child<QLineEdit>(&window, "Text4")->setText(u"Renew passport"_s);
    child<QLineEdit>(&window, "Text5")->setText(u"4/1/26"_s);
    child<QPlainTextEdit>(&window, "Text3")->setPlainText(u"photos\nform"_s);
    child<QPushButton>(&window, "Command1")->click();
    QCOMPARE(recordOf(dir.read(u"remind.dat"_s), 3),
             reminder(3, "Renew passport", "4/1/26", "photos\r\nform"));
    QCOMPARE(listEntries(&window, "List1").size(), 3);
    QCOMPARE(listEntries(&window, "List2").at(2), u"4/1/26"_s);
}

void TestReminders::savedReminderStaysCurrent()
{
    WorkDir dir;
    const QByteArray file = reminder(1, "One", "1/1/26", "n1") + reminder(2, "Two", "1/2/26", "n2");
    dir.write(u"remind.dat"_s, file);
    Form8 window;
    window.show();
    child<QListWidget>(&window, "List1")->setCurrentRow(1);
    auto *note = child<QPlainTextEdit>(&window, "Text3");
    note->setPlainText(u"first edit"_s);
    child<QPushButton>(&window, "Command1")->click();
    // After the save the list, the boxes and the current record agree ...
    QCOMPARE(window.position, qint16(2));
    QCOMPARE(child<QListWidget>(&window, "List1")->currentRow(), 1);
    QCOMPARE(child<QLineEdit>(&window, "Text4")->text().trimmed(), u"Two"_s);
    // ... so a second save writes the same reminder again.
    note->setPlainText(u"second edit"_s);
    child<QPushButton>(&window, "Command1")->click();
    const QByteArray saved = dir.read(u"remind.dat"_s);
    QCOMPARE(recordOf(saved, 1), recordOf(file, 1));
    QCOMPARE(recordOf(saved, 2), reminder(2, "Two", "1/2/26", "second edit"));
}

void TestReminders::typingAtTheEndOfAStoredValueKeepsIt_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    QTest::newRow("name") << u"Text4"_s << 2 << 40;
    QTest::newRow("date") << u"Text5"_s << 42 << 20;
    QTest::newRow("note") << u"Text3"_s << 62 << 2000;
}

void TestReminders::typingAtTheEndOfAStoredValueKeepsIt()
{
    QFETCH(QString, box);
    QFETCH(int, offset);
    QFETCH(int, width);
    WorkDir dir;
    const QByteArray file = reminder(1, "Dentist", "3/9/26", "ABC note\r\nline two") +
                            reminder(2, "Two", "1/2/26", "n2");
    dir.write(u"remind.dat"_s, file);
    Form8 window;
    window.show();
    typeAtEnd(child<QWidget>(&window, box.toLatin1().constData()), u"1"_s);
    child<QPushButton>(&window, "Command1")->click();
    QCOMPARE(dir.read(u"remind.dat"_s), withTypedAtEnd(file, offset, width, "1"));
}

void TestReminders::dateListFollowsTheNames()
{
    WorkDir dir;
    dir.write(u"remind.dat"_s, reminder(1, "One", "1/1/26") + reminder(2, "Two", "1/2/26") +
                                   reminder(3, "Three", "1/3/26"));
    TestFrame frame;
    Form8 &window = *frame.openFromToolbar<Form8>("Reminder");
    auto *names = child<QListWidget>(&window, "List1");
    auto *dates = child<QListWidget>(&window, "List2");
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                      names->visualItemRect(names->item(2)).center());
    QCOMPARE(dates->currentRow(), 2);
    QCOMPARE(child<QLineEdit>(&window, "Text4")->text(), u"Three"_s);
    // A click on a date chooses its reminder.
    QTest::mouseClick(dates->viewport(), Qt::LeftButton, {},
                      dates->visualItemRect(dates->item(1)).center());
    QCOMPARE(names->currentRow(), 1);
    QCOMPARE(window.position, qint16(2));
    QCOMPARE(child<QLineEdit>(&window, "Text4")->text(), u"Two"_s);
    // After a save both lists mark the reminder saved.
    child<QPushButton>(&window, "Command1")->click();
    QCOMPARE(names->currentRow(), 1);
    QCOMPARE(dates->currentRow(), 1);
}

void TestReminders::boxesShowValuesFromTheirStart()
{
    WorkDir dir;
    dir.write(u"remind.dat"_s, reminder(1, "Dentist", "12/5/97") + reminder(2, "Cake", "1/2/27"));
    Form8 window;
    window.show();
    // A padded value shows its start, not the trailing blanks the cursor at its end scrolls to.
    auto *name = child<QLineEdit>(&window, "Text4");
    auto *date = child<QLineEdit>(&window, "Text5");
    QCOMPARE(name->cursorPosition(), 0);
    QCOMPARE(date->cursorPosition(), 0);
    child<QListWidget>(&window, "List1")->setCurrentRow(1);
    QCOMPARE(name->text().trimmed(), u"Cake"_s);
    QCOMPARE(name->cursorPosition(), 0);
    QCOMPARE(date->cursorPosition(), 0);
}

void TestReminders::fullFileTakesNoMoreReminders()
{
    WorkDir dir;
    constexpr int Full = 32767; // the highest 16-bit record number
    {
        QFile file(dir.filePath(u"remind.dat"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(reminder(1, "First", "1/1/26")) == 2062);
        QVERIFY(file.resize(qint64(Full + 1) * 2062)); // one record more than numbers reach
        QVERIFY(file.seek(qint64(Full) * 2062));
        file.write(reminder(qint16(-32768), "Beyond", "3/5/26"));
    }
    Form8 window;
    window.show();
    QCOMPARE(window.Numbrecords, qint16(Full));
    QCOMPARE(child<QListWidget>(&window, "List1")->count(), Full);
    // The record past the last number is never read as a reminder, due or not.
    QCOMPARE(window.position, qint16(1));
    QCOMPARE(child<QLineEdit>(&window, "Text4")->text().trimmed(), u"First"_s);

    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"The reminder file is full."_s);
    child<QPushButton>(&window, "Command2")->click();
    QCOMPARE(window.position, qint16(1));
    QCOMPARE(QFileInfo(dir.filePath(u"remind.dat"_s)).size(), qint64(Full + 1) * 2062);
}

void TestReminders::deleteShiftsLaterReminders_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestReminders::deleteShiftsLaterReminders()
{
    QFETCH(bool, confirmed);
    WorkDir dir;
    const QByteArray file =
        reminder(1, "One", "1/1/26", "n1") + reminder(2, "Two", "1/2/26", "n2") +
        reminder(3, "Three", "1/3/26", "n3") + reminder(4, "Four", "1/4/26", "n4");
    dir.write(u"remind.dat"_s, file);
    Form8 window;
    window.show();
    child<QListWidget>(&window, "List1")->setCurrentRow(1);
    QCOMPARE(window.position, qint16(2));

    m_dialogs->answerMessage(confirmed ? Dialogs::Answer::Yes : Dialogs::Answer::No, u"Delete ?"_s);
    child<QPushButton>(&window, "Command3")->click();
    const Dialogs::Message &asked = m_dialogs->lastAsked().message;
    QCOMPARE(asked.title, u"Delete"_s);
    QCOMPARE(asked.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(asked.icon, Dialogs::Icon::Critical);
    QCOMPARE(asked.defaultButton, 2);

    const QByteArray after = dir.read(u"remind.dat"_s);
    if (!confirmed) {
        QCOMPARE(after, file);
        return;
    }
    QCOMPARE(after.size(), file.size());
    QCOMPARE(recordOf(after, 1), recordOf(file, 1));
    QCOMPARE(recordOf(after, 2), reminder(2, "Three", "1/3/26", "n3"));
    QCOMPARE(recordOf(after, 3), reminder(3, "Four", "1/4/26", "n4"));
    QCOMPARE(recordOf(after, 4), blankReminder(4));
    QCOMPARE(window.Numbrecords, qint16(4));
    QCOMPARE(listEntries(&window, "List1").size(), 4);
    QCOMPARE(child<QListWidget>(&window, "List1")->currentRow(), 1);
    QCOMPARE(window.position, qint16(2));
    QCOMPARE(child<QLineEdit>(&window, "Text4")->text().trimmed(), u"Three"_s);
}

void TestReminders::printPrintsOnlyTheNote_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("ok") << true;
    QTest::newRow("cancel") << false;
}

void TestReminders::printPrintsOnlyTheNote()
{
    QFETCH(bool, confirmed);
    WorkDir dir;
    dir.write(u"remind.dat"_s,
              reminder(1, "NAMEFIELD", "DATEFIELD", "Bring the forms\r\nand a pen"));
    const QString pdf = dir.filePath(u"out.pdf"_s);
    Printing::setOutputFile(pdf);
    Form8 window;
    window.show();
    m_dialogs->answerMessage(confirmed ? Dialogs::Answer::Ok : Dialogs::Answer::Cancel,
                             u"      Do you want Print Now ?"_s);
    child<QPushButton>(&window, "Command4")->click();
    QCOMPARE(m_dialogs->lastAsked().message.buttons, Dialogs::Buttons::OkCancel);
    if (!confirmed) {
        QVERIFY(!QFileInfo::exists(pdf));
        return;
    }
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(u"Bring the forms"_s), qPrintable(text));
    QVERIFY(text.contains(u"and a pen"_s));
    QVERIFY(!text.contains(u"NAMEFIELD"_s));
    QVERIFY(!text.contains(u"DATEFIELD"_s));
}

QTEST_MAIN(TestReminders)
#include "tst_reminders.moc"
