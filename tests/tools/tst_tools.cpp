#include "app/window_table.h"
#include "tools/expenses_window.h"
#include "tools/launcher_window.h"
#include "tools/ledger_store.h"
#include "tools/sound_files_window.h"

#include "shell/main_window.h"
#include "shell/tool_windows.h"

#include "platform/file_lists.h"
#include "platform/printer.h"
#include "platform/sound_player.h"
#include "platform/status_panels.h"

#include "cut_captions.h"
#include "fake_program.h"
#include "pdf_text.h"
#include "scripted_dialogs.h"
#include "typing.h"
#include "work_dir.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

template <typename T> T *child(QWidget *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

QLineEdit *cell(QWidget *window, const char *column, int row)
{
    return child<QLineEdit>(window, QLatin1String(column) + u'_' + QString::number(row));
}

QStringList items(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// launch.dat with the given command lines and captions in slots 1 to 8.
QByteArray launchBytes(const QList<QByteArray> &commands, const QList<QByteArray> &captions)
{
    QByteArray bytes = le16(1);
    for (int i = 0; i < 8; ++i)
        bytes += padded(commands.value(i), 128);
    for (int i = 0; i < 8; ++i)
        bytes += padded(captions.value(i), 20);
    return bytes;
}

// An .edf file: each column's 50 values, its 51st slot zero bytes.
QByteArray ledgerBytes(const QList<QByteArray> &dates, const QList<QByteArray> &items,
                       const QList<QByteArray> &categories, const QList<QByteArray> &amounts)
{
    auto column = [](const QList<QByteArray> &values, int width) {
        QByteArray bytes;
        for (int i = 0; i < 50; ++i)
            bytes += padded(values.value(i), width);
        return bytes + QByteArray(width, '\0');
    };
    return le16(1) + column(items, 35) + column(categories, 15) + column(amounts, 15) +
           column(dates, 12);
}

// A ledger with all 50 items filled in, "item 0" to "item 49".
QByteArray fullLedgerBytes()
{
    QList<QByteArray> names;
    for (int i = 0; i < 50; ++i)
        names.append("item " + QByteArray::number(i));
    return ledgerBytes({}, names, {}, {});
}

QByteArray setupBytes(const QByteArray &program)
{
    return le16(0) + padded("9", 10) + le16(0) + le16(0) + padded(program, 50) +
           padded("c:\\WINDOWS\\DING.WAV", 50);
}

} // namespace

class TestTools : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void amountValue_data();
    void amountValue();
    void generalNumber_data();
    void generalNumber();
    void browsedFilePath_data();
    void browsedFilePath();

    void toolbarOpensTheTools();
    void freshLauncherFileIsBlank();
    void programButton_data();
    void programButton();
    void programmedCaptionSurvivesReopening();
    void launchButtonStartsItsCommandLine();
    void unprogrammedButtonReports();
    void launchItStartsTheBrowsedFile();
    void launchItReportsAFileThatDoesNotStart();
    void unreadableDriveKeepsTheDirectory();

    void ledgerSaveWritesOneRecord();
    void ledgerSaveKeepsALongerFilesTail();
    void ledgerSaveFailureIsReported();
    void ledgerPathIsUsedAsChosen();
    void ledgerOpenShowsValuesFromTheirStart();
    void typingAtTheEndOfALedgerValueKeepsIt_data();
    void typingAtTheEndOfALedgerValueKeepsIt();
    void typedAmountsAreSummed();
    void scrollingReachesTheLastEntry();
    void newAfterScrollingRenumbersTheRows();
    void tabAtTheEdgesScrollsTheLedger_data();
    void tabAtTheEdgesScrollsTheLedger();
    void ledgerPrintout();
    void ledgerPrintCancelled();

    void soundFilesListWavesOfTheChosenDirectory();
    void playPassesTheFileAsOneArgument_data();
    void playPassesTheFileAsOneArgument();
    void missingProgramIsReported_data();
    void missingProgramIsReported();
    void recordCommand_data();
    void recordCommand();
    void recordStartsASystemRecorder();
    void recordingRunsUntilStopped_data();
    void recordingRunsUntilStopped();

    void captionsAreShownWhole_data();
    void captionsAreShownWhole();

private:
    ScriptedDialogs *m_dialogs = nullptr;
};

void TestTools::init()
{
    m_dialogs = new ScriptedDialogs;
    SetStatusText(QString());
}

void TestTools::cleanup()
{
    QCOMPARE(m_dialogs->pending(), 0);
    delete m_dialogs;
    SoundPlayer::setSearchPath({});
    Printing::setOutputFile(QString());
}

void TestTools::amountValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal") << u"12.50"_s << 12.5;
    QTest::newRow("currency sign first") << u"$5"_s << 0.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("padded") << u"  7     "_s << 7.0;
    QTest::newRow("blanks inside") << u"1 2"_s << 12.0;
    QTest::newRow("negative, then text") << u"-3.5 USD"_s << -3.5;
    QTest::newRow("letters") << u"abc"_s << 0.0;
    QTest::newRow("exponent") << u"1e2"_s << 100.0;
    QTest::newRow("exponent without digits") << u"4e"_s << 4.0;
    QTest::newRow("second point") << u"2.5.1"_s << 2.5;
    QTest::newRow("trailing point") << u"8."_s << 8.0;
    QTest::newRow("leading point") << u".5"_s << 0.5;
    QTest::newRow("comma stops") << u"12,5"_s << 12.0;
}

void TestTools::amountValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::amountValue(text), value);
}

void TestTools::generalNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("decimal") << 12.5 << u"12.5"_s;
    QTest::newRow("zero") << 0.0 << u"0"_s;
    QTest::newRow("no binary noise") << 0.1 + 0.2 << u"0.3"_s;
    QTest::newRow("no separators") << 1234567.0 << u"1234567"_s;
    QTest::newRow("negative") << -3.0 << u"-3"_s;
    QTest::newRow("huge") << 1e16 << u"1E+16"_s;
}

void TestTools::generalNumber()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(::generalNumber(value), text);
}

void TestTools::browsedFilePath_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("path");
    QTest::newRow("drive root a") << uR"(a:\)"_s << uR"(a:\x.wav)"_s;
    QTest::newRow("drive root I") << uR"(I:\)"_s << uR"(I:\x.wav)"_s;
    QTest::newRow("drive root j is not doubled") << uR"(j:\)"_s << uR"(j:\x.wav)"_s;
    QTest::newRow("file-system root") << u"/"_s << u"/x.wav"_s;
    QTest::newRow("subdirectory") << u"/home/me"_s << u"/home/me/x.wav"_s;
    QTest::newRow("ends in a separator") << u"/media/usb/"_s << u"/media/usb/x.wav"_s;
}

void TestTools::browsedFilePath()
{
    QFETCH(QString, directory);
    QFETCH(QString, path);
    QCOMPARE(::browsedFilePath(directory, u"x.wav"_s), path);
}

void TestTools::toolbarOpensTheTools()
{
    WorkDir dir;
    VL32V1 frame(createToolWindow);
    frame.show();
    for (const char *key : {"launch", "Bills", "sound"})
        child<QAction>(&frame, QLatin1String(key))->trigger();
    QWidget *launcher = frame.toolWindow(ToolWindowId::runit);
    QVERIFY(qobject_cast<runit *>(launcher));
    QVERIFY(launcher->isWindow());
    QWidget *expenses = frame.toolWindow(ToolWindowId::Form13);
    QVERIFY(qobject_cast<Form13 *>(expenses));
    QVERIFY(qobject_cast<QMdiSubWindow *>(expenses->parentWidget()));
    QCOMPARE(expenses->parentWidget()->windowTitle(), u"Expenses"_s);
    QWidget *sounds = frame.toolWindow(ToolWindowId::Form14);
    QVERIFY(qobject_cast<Form14 *>(sounds));
    QVERIFY(sounds->isWindow());
}

void TestTools::freshLauncherFileIsBlank()
{
    WorkDir dir;
    runit window;
    window.show();
    QCOMPARE(window.windowTitle(), u"Launch"_s);
    QCOMPARE(dir.read(u"launch.dat"_s), le16(1) + QByteArray(1184, ' '));
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(window.launchButton(k)->text(), QString());
    QCOMPARE(window.launchButton(7)->objectName(), u"Command8"_s);
    QCOMPARE(child<QLineEdit>(&window, u"Text1"_s)->text(), u"*.exe"_s);
    QCOMPARE(child<QLineEdit>(&window, u"Text2"_s)->text(), dir.path());
}

void TestTools::programButton_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("slot"); // 0: none matches, -1: refused
    QTest::addColumn<QByteArray>("caption");
    QTest::addColumn<QByteArray>("command");

    const QString longPath = u"/opt/"_s + QString(140, u'p');
    QTest::newRow("button 7") << u"7"_s << u"Editor"_s << u"/usr/bin/editor -n"_s << 7
                              << QByteArray("Editor") << QByteArray("/usr/bin/editor -n");
    QTest::newRow("leading blank")
        << u" 3"_s << u"Mail"_s << u"mail"_s << 3 << QByteArray("Mail") << QByteArray("mail");
    QTest::newRow("3.0") << u"3.0"_s << u"Mail"_s << u"mail"_s << 3 << QByteArray("Mail")
                         << QByteArray("mail");
    QTest::newRow("fields cut") << u"1"_s << u"A caption of thirty letters.."_s << longPath << 1
                                << QByteArray("A caption of thirty ")
                                << longPath.left(128).toLatin1();
    QTest::newRow("empty answers")
        << u"2"_s << QString() << QString() << 2 << QByteArray() << QByteArray();
    QTest::newRow("out of range") << u"9"_s << u"Nine"_s << u"nine"_s << 0 << QByteArray()
                                  << QByteArray();
    QTest::newRow("letter") << u"x"_s << u"Mail"_s << u"mail"_s << -1 << QByteArray()
                            << QByteArray();
    QTest::newRow("cancelled") << QString() << u"Mail"_s << u"mail"_s << -1 << QByteArray()
                               << QByteArray();
}

void TestTools::programButton()
{
    QFETCH(QString, number);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QFETCH(int, slot);
    QFETCH(QByteArray, caption);
    QFETCH(QByteArray, command);

    WorkDir dir;
    // Slot 8 is kept when the record is rewritten.
    const QByteArray before = launchBytes({"old1", "old2", "", "", "", "", "", "hidden"},
                                          {"One", "Two", "", "", "", "", "", "Eight"});
    dir.write(u"launch.dat"_s, before);
    runit window;
    window.show();

    m_dialogs->answerInput(number);
    m_dialogs->answerInput(name);
    m_dialogs->answerInput(path);
    m_dialogs->answerMessage(Dialogs::Answer::Ok, slot < 0
                                                      ? u"Error: Besure Button Number is Correct"_s
                                                      : u"Excepted: Now test your Button"_s);
    child<QPushButton>(&window, u"Command10"_s)->click();

    const QList<ScriptedDialogs::Asked> asked = m_dialogs->asked();
    QCOMPARE(asked.at(0).prompt, u"Button Number [1 - 7] to program."_s);
    QCOMPARE(asked.at(1).prompt, u"Name on button. "_s);
    QCOMPARE(asked.at(2).prompt, u"Button Path : Example C:\\Windows\\calc.exe"_s);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(asked.at(i).title.isEmpty());
        QVERIFY(asked.at(i).defaultText.isEmpty());
    }

    QList<QByteArray> commands{"old1", "old2", "", "", "", "", "", "hidden"};
    QList<QByteArray> captions{"One", "Two", "", "", "", "", "", "Eight"};
    if (slot > 0) {
        commands[slot - 1] = command;
        captions[slot - 1] = caption;
        // The box took no more than the field keeps: the button shows what is stored.
        QCOMPARE(window.launchButton(slot)->text(), QString::fromLatin1(caption));
    }
    QCOMPARE(dir.read(u"launch.dat"_s), launchBytes(commands, captions));
}

void TestTools::programmedCaptionSurvivesReopening()
{
    WorkDir dir;
    {
        runit window;
        window.show();
        m_dialogs->answerInput(u"7"_s);
        m_dialogs->answerInput(u"Calculator"_s);
        m_dialogs->answerInput(u"galculator"_s);
        m_dialogs->answerMessage(Dialogs::Answer::Ok);
        child<QPushButton>(&window, u"Command10"_s)->click();
    }
    runit reopened;
    reopened.show();
    QCOMPARE(reopened.launchButton(7)->text(), u"Calculator"_s);
    QCOMPARE(reopened.fields.launch[6], u"galculator"_s);
}

void TestTools::launchButtonStartsItsCommandLine()
{
    WorkDir dir;
    FakeProgram tool(dir.filePath(u"tool"_s));
    dir.write(
        u"launch.dat"_s,
        launchBytes({"", (tool.path() + u" --flag \"two words\" x;y"_s).toUtf8()}, {"", "Tool"}));
    runit window;
    window.show();
    child<QPushButton>(&window, u"Command3"_s)->click();
    const std::optional<QStringList> arguments = tool.nextArguments();
    QVERIFY(arguments);
    QCOMPARE(*arguments, (QStringList{u"--flag"_s, u"two words"_s, u"x;y"_s}));
    QVERIFY(window.isHidden());
}

void TestTools::unprogrammedButtonReports()
{
    WorkDir dir;
    runit window;
    window.show();
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"Could not Launch - Check path"_s);
    child<QPushButton>(&window, u"Command1"_s)->click();
    QVERIFY(window.isVisible());
}

void TestTools::launchItStartsTheBrowsedFile()
{
    WorkDir dir;
    QDir(dir.path()).mkdir(u"bin"_s);
    FakeProgram tool(dir.filePath(u"bin/my tool"_s));
    touch(dir.filePath(u"bin/readme.txt"_s));
    runit window;
    window.show();
    auto *dirList = child<DirListBox>(&window, u"Dir1"_s);
    auto *fileList = child<FileListBox>(&window, u"File1"_s);
    auto *text2 = child<QLineEdit>(&window, u"Text2"_s);

    // A path with a pattern in Text1 moves the lists; Text1 keeps the pattern.
    child<QLineEdit>(&window, u"Text1"_s)->setText(dir.filePath(u"bin/*"_s));
    QCOMPARE(dirList->path(), dir.filePath(u"bin"_s));
    QCOMPARE(child<QLineEdit>(&window, u"Text1"_s)->text(), u"*"_s);
    QCOMPARE(text2->text(), dir.filePath(u"bin"_s));
    QCOMPARE(items(fileList), (QStringList{u"my tool"_s, u"readme.txt"_s}));

    fileList->setCurrentRow(0);
    emit fileList->itemClicked(fileList->item(0));
    QCOMPARE(text2->text(), dir.filePath(u"bin/my tool"_s));
    child<QPushButton>(&window, u"Command2"_s)->click();
    const std::optional<QStringList> arguments = tool.nextArguments();
    QVERIFY(arguments);
    QVERIFY(arguments->isEmpty());
    QVERIFY(window.isVisible());
}

void TestTools::launchItReportsAFileThatDoesNotStart()
{
    WorkDir dir;
    runit window;
    window.show();
    child<QLineEdit>(&window, u"Text2"_s)->setText(dir.filePath(u"missing.exe"_s));
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"Non-Executable File : .EXE, .BAT .COM"_s);
    child<QPushButton>(&window, u"Command2"_s)->click();
    QVERIFY(window.isVisible());
}

void TestTools::unreadableDriveKeepsTheDirectory()
{
    WorkDir dir;
    Form14 window;
    window.show();
    auto *drives = child<DriveListBox>(&window, u"Drive1"_s);
    drives->setDrives({u"/"_s, u"/no-such-volume"_s});
    drives->showDriveOf(dir.path());
    drives->setCurrentIndex(1);
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"Drive Not Available"_s);
    emit drives->activated(1);
    QCOMPARE(child<DirListBox>(&window, u"Dir1"_s)->path(), dir.path());
    QCOMPARE(drives->drive(), u"/"_s);
}

void TestTools::ledgerSaveWritesOneRecord()
{
    WorkDir dir;
    Form13 window;
    window.show();
    const QByteArray item40 = "Forty characters of an item description!";
    QCOMPARE(item40.size(), 40);
    cell(&window, "Text6", 0)->setText(u"1/2/26"_s);
    cell(&window, "Text2", 0)->setText(QString::fromLatin1(item40));
    cell(&window, "Text3", 0)->setText(u"Food"_s);
    cell(&window, "Text4", 0)->setText(u"12.50"_s);
    cell(&window, "Text4", 16)->setText(u"3"_s);

    const QString path = dir.filePath(u"budget.edf"_s);
    m_dialogs->answerSaveFile(path);
    child<QPushButton>(&window, u"Command2"_s)->click();
    QList<QByteArray> amounts{"12.50"};
    amounts.resize(17);
    amounts[16] = "3";
    QCOMPARE(dir.read(u"budget.edf"_s),
             ledgerBytes({"1/2/26"}, {item40.left(35)}, {"Food"}, amounts));
    QCOMPARE(child<QLineEdit>(&window, u"Text7"_s)->text(), QString());
}

void TestTools::ledgerSaveKeepsALongerFilesTail()
{
    WorkDir dir;
    dir.write(u"old.edf"_s, QByteArray(4000, 'x'));
    Form13 window;
    window.show();
    cell(&window, "Text2", 0)->setText(u"Rent"_s);
    m_dialogs->answerSaveFile(dir.filePath(u"old.edf"_s));
    child<QPushButton>(&window, u"Command2"_s)->click();
    QCOMPARE(dir.read(u"old.edf"_s), ledgerBytes({}, {"Rent"}, {}, {}) + QByteArray(71, 'x'));
}

void TestTools::ledgerSaveFailureIsReported()
{
    WorkDir dir;
    Form13 window;
    window.show();
    m_dialogs->answerSaveFile(dir.filePath(u"no-such-folder/budget.edf"_s));
    m_dialogs->answerMessage(Dialogs::Answer::Ok);
    child<QPushButton>(&window, u"Command2"_s)->click();
    QCOMPARE(m_dialogs->lastAsked().message.icon, Dialogs::Icon::Critical);
    QVERIFY(m_dialogs->lastAsked().message.text.contains(u"budget.edf"_s));
}

void TestTools::ledgerPathIsUsedAsChosen()
{
    WorkDir dir;
    const QByteArray other = ledgerBytes({}, {"Another ledger"}, {}, {});
    dir.write(u"budget.edf"_s, other);
    Form13 window;
    window.show();
    cell(&window, "Text2", 0)->setText(u"Rent"_s);
    m_dialogs->answerSaveFile(dir.filePath(u"Budget.edf"_s));
    child<QPushButton>(&window, u"Command2"_s)->click();
    QCOMPARE(dir.read(u"Budget.edf"_s), ledgerBytes({}, {"Rent"}, {}, {}));
    QCOMPARE(dir.read(u"budget.edf"_s), other);

    // Nor does an open take a file of the folder that only differs in letter case.
    QVERIFY(QFile::remove(dir.filePath(u"Budget.edf"_s)));
    m_dialogs->answerOpenFile(dir.filePath(u"Budget.edf"_s));
    child<QPushButton>(&window, u"Command3"_s)->click();
    QCOMPARE(cell(&window, "Text2", 0)->text(), QString());
    QCOMPARE(dir.read(u"budget.edf"_s), other);
}

void TestTools::ledgerOpenShowsValuesFromTheirStart()
{
    WorkDir dir;
    dir.write(u"june.edf"_s, ledgerBytes({"6/1/26", "6/2/26", "6/3/26"}, {"Bread", "Milk", "Misc"},
                                         {"Food"}, {"10", "2.5", "abc"}));
    Form13 window;
    window.show();
    m_dialogs->answerOpenFile(dir.filePath(u"june.edf"_s));
    child<QPushButton>(&window, u"Command3"_s)->click();
    QCOMPARE(cell(&window, "Text6", 0)->text(), u"6/1/26"_s);
    QCOMPARE(cell(&window, "Text2", 1)->text(), u"Milk"_s);
    QCOMPARE(cell(&window, "Text3", 0)->text(), u"Food"_s);
    QCOMPARE(cell(&window, "Text4", 1)->text(), u"2.5"_s);
    for (const char *column : {"Text6", "Text2", "Text3", "Text4"})
        QCOMPARE(cell(&window, column, 0)->cursorPosition(), 0);
    QCOMPARE(child<QLineEdit>(&window, u"Text5"_s)->text(), u"12.5"_s);
    QCOMPARE(child<QLineEdit>(&window, u"Text7"_s)->text(), dir.filePath(u"june.edf"_s));

    // Saved again unchanged, the file is the same.
    const QByteArray before = dir.read(u"june.edf"_s);
    m_dialogs->answerSaveFile(dir.filePath(u"june.edf"_s));
    child<QPushButton>(&window, u"Command2"_s)->click();
    QCOMPARE(dir.read(u"june.edf"_s), before);
}

void TestTools::typingAtTheEndOfALedgerValueKeepsIt_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("offset"); // of row 1
    QTest::addColumn<int>("width");
    QTest::newRow("date") << u"Text6"_s << 3317 + 12 << 12;
    QTest::newRow("item") << u"Text2"_s << 2 + 35 << 35;
    QTest::newRow("category") << u"Text3"_s << 1787 + 15 << 15;
    QTest::newRow("amount") << u"Text4"_s << 2552 + 15 << 15;
}

void TestTools::typingAtTheEndOfALedgerValueKeepsIt()
{
    QFETCH(QString, column);
    QFETCH(int, offset);
    QFETCH(int, width);
    WorkDir dir;
    const QByteArray file =
        ledgerBytes({"12/1/26", "12/2/26"}, {"Bread", "Stamps"}, {"Food", "Post"}, {"3", "12.50"});
    dir.write(u"dec.edf"_s, file);
    Form13 window;
    window.show();
    QApplication::setActiveWindow(&window);
    m_dialogs->answerOpenFile(dir.filePath(u"dec.edf"_s));
    child<QPushButton>(&window, u"Command3"_s)->click();
    typeAtEnd(cell(&window, column.toLatin1().constData(), 1), u"9"_s);
    m_dialogs->answerSaveFile(dir.filePath(u"dec.edf"_s));
    child<QPushButton>(&window, u"Command2"_s)->click();
    QCOMPARE(dir.read(u"dec.edf"_s), withTypedAtEnd(file, offset, width, "9"));
}

void TestTools::typedAmountsAreSummed()
{
    WorkDir dir;
    Form13 window;
    window.show();
    cell(&window, "Text4", 0)->setText(u"10"_s);
    cell(&window, "Text4", 1)->setText(u"2.5"_s);
    cell(&window, "Text4", 2)->setText(u"abc"_s);
    QCOMPARE(child<QLineEdit>(&window, u"Text5"_s)->text(), u"12.5"_s);
    cell(&window, "Text4", 0)->clear();
    QCOMPARE(child<QLineEdit>(&window, u"Text5"_s)->text(), u"2.5"_s);
}

void TestTools::scrollingReachesTheLastEntry()
{
    WorkDir dir;
    dir.write(u"all.edf"_s, fullLedgerBytes());
    Form13 window;
    window.show();
    m_dialogs->answerOpenFile(dir.filePath(u"all.edf"_s));
    child<QPushButton>(&window, u"Command3"_s)->click();

    auto *bar = child<QScrollBar>(&window, u"VScroll1"_s);
    QCOMPARE(bar->minimum(), 0);
    bar->setValue(bar->maximum());
    QCOMPARE(window.Start, qint16(33));
    for (int r = 0; r < Form13::VisibleRows; ++r) {
        QCOMPARE(cell(&window, "Text1", r)->text(), QString::number(33 + r));
        QCOMPARE(cell(&window, "Text2", r)->text(), u"item %1"_s.arg(33 + r));
    }
    // Scrolling back writes nothing new into the entries.
    bar->setValue(0);
    QCOMPARE(cell(&window, "Text2", 0)->text(), u"item 0"_s);
    QCOMPARE(window.ledger().Items[49], u"item 49"_s);
}

void TestTools::newAfterScrollingRenumbersTheRows()
{
    WorkDir dir;
    Form13 window;
    window.show();
    cell(&window, "Text2", 0)->setText(u"first"_s);
    child<QScrollBar>(&window, u"VScroll1"_s)->setValue(10);
    child<QPushButton>(&window, u"Command5"_s)->click();
    QCOMPARE(cell(&window, "Text1", 0)->text(), u"0"_s);
    QCOMPARE(window.ledger().Items[0], QString());
    cell(&window, "Text2", 0)->setText(u"typed"_s);
    QCOMPARE(window.ledger().Items[10], u"typed"_s);
}

void TestTools::ledgerPrintout()
{
    WorkDir dir;
    QList<QByteArray> dates, names, amounts;
    for (int i = 0; i < 50; ++i) {
        dates.append("d" + QByteArray::number(i));
        names.append("entry" + QByteArray::number(i));
        amounts.append("1");
    }
    dir.write(u"p.edf"_s, ledgerBytes(dates, names, {"Cat"}, amounts));
    const QString pdf = dir.filePath(u"out.pdf"_s);
    Printing::setOutputFile(pdf);
    Form13 window;
    window.show();
    m_dialogs->answerOpenFile(dir.filePath(u"p.edf"_s));
    child<QPushButton>(&window, u"Command3"_s)->click();
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"      Do you want Print Now ?"_s);
    child<QPushButton>(&window, u"Command4"_s)->click();

    // The text comes back with its words in place, though not with every blank.
    const QString text = pdfText(pdf);
    const QStringList lines = text.split(u'\n');
    const QString heading = lines.value(0);
    QCOMPARE(heading.simplified(), u"Date Item Category Amount"_s);
    QVERIFY(lines.value(1).trimmed().isEmpty());
    QCOMPARE(lines.value(2).simplified(), u"d0 entry0 Cat 1"_s);
    for (int i = 1; i < 50; ++i)
        QCOMPARE(lines.value(2 + i).simplified(), u"d%1 entry%1 1"_s.arg(i));
    QVERIFY(lines.value(52).trimmed().isEmpty());
    // 56 blanks put the total between the category and amount columns.
    const QString total = lines.value(53);
    QCOMPARE(total.simplified(), u"Total: 50"_s);
    QVERIFY(total.indexOf(u"Total"_s) > heading.indexOf(u"Category"_s));
    QVERIFY(total.indexOf(u"Total"_s) < heading.indexOf(u"Amount"_s));
    QCOMPARE(text.count(u'\f'), 1); // one sheet: the closing page break adds no blank one
}

void TestTools::ledgerPrintCancelled()
{
    WorkDir dir;
    const QString pdf = dir.filePath(u"out.pdf"_s);
    Printing::setOutputFile(pdf);
    Form13 window;
    window.show();
    m_dialogs->answerMessage(Dialogs::Answer::Cancel, u"      Do you want Print Now ?"_s);
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"Print Job Canceled"_s);
    child<QPushButton>(&window, u"Command4"_s)->click();
    QVERIFY(!QFileInfo::exists(pdf));
}

void TestTools::soundFilesListWavesOfTheChosenDirectory()
{
    WorkDir dir;
    QDir(dir.path()).mkdir(u"sounds"_s);
    touch(dir.filePath(u"top.wav"_s));
    touch(dir.filePath(u"sounds/b.WAV"_s));
    touch(dir.filePath(u"sounds/a.wav"_s));
    touch(dir.filePath(u"sounds/notes.txt"_s));
    Form14 window;
    window.show();
    QCOMPARE(window.windowTitle(), u"Sound Files"_s);
    auto *dirList = child<DirListBox>(&window, u"Dir1"_s);
    auto *fileList = child<FileListBox>(&window, u"File1"_s);
    QCOMPARE(items(fileList), QStringList{u"top.wav"_s});
    const QList<QListWidgetItem *> found = dirList->findItems(u"sounds"_s, Qt::MatchEndsWith);
    QCOMPARE(found.size(), 1);
    emit dirList->itemActivated(found.first());
    QCOMPARE(dirList->path(), dir.filePath(u"sounds"_s));
    QCOMPARE(items(fileList), (QStringList{u"a.wav"_s, u"b.WAV"_s}));
}

void TestTools::playPassesTheFileAsOneArgument_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plain") << u"ding.wav"_s;
    QTest::newRow("semicolon") << u"a;touch pwned.wav"_s;
    QTest::newRow("blanks") << u"my song.wav"_s;
}

void TestTools::playPassesTheFileAsOneArgument()
{
    QFETCH(QString, fileName);
    WorkDir dir;
    FakeProgram player(dir.filePath(u"player"_s));
    dir.write(u"setup.dat"_s, setupBytes("./player"));
    touch(dir.filePath(fileName));
    Form14 window;
    window.show();
    auto *fileList = child<FileListBox>(&window, u"File1"_s);
    const QList<QListWidgetItem *> found = fileList->findItems(fileName, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    fileList->setCurrentItem(found.first());
    emit fileList->itemClicked(found.first());
    QCOMPARE(child<QLineEdit>(&window, u"Text2"_s)->text(), dir.filePath(fileName));
    child<QPushButton>(&window, u"Command1"_s)->click();
    const std::optional<QStringList> arguments = player.nextArguments();
    QVERIFY(arguments);
    QCOMPARE(*arguments, (QStringList{u"/play"_s, u"/end"_s, dir.filePath(fileName)}));
    QVERIFY(!QFileInfo::exists(dir.filePath(u"pwned.wav"_s)));
}

void TestTools::missingProgramIsReported_data()
{
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("status");
    const QString hint = SoundPlayer::installHint();
    QTest::newRow("record, no recorder installed")
        << QByteArray("C:\\WINDOWS\\sndrec32.exe") << u"Record"_s << u"Program not found"_s << hint;
    QTest::newRow("play, no player installed") << QByteArray("C:\\WINDOWS\\sndrec32.exe")
                                               << u"Command1"_s << u"*Program not found"_s << hint;
    // Installing a player would not start the program the preferences name.
    QTest::newRow("play, configured program missing")
        << QByteArray("/nowhere/player") << u"Command1"_s << u"*Program not found"_s << QString();
}

void TestTools::missingProgramIsReported()
{
    QFETCH(QByteArray, program);
    QFETCH(QString, button);
    QFETCH(QString, message);
    QFETCH(QString, status);
    QTemporaryDir bin;
    SoundPlayer::setSearchPath({bin.path()});
    WorkDir dir;
    dir.write(u"setup.dat"_s, setupBytes(program));
    Form14 window;
    window.show();
    m_dialogs->answerMessage(Dialogs::Answer::Ok, message);
    child<QPushButton>(&window, button)->click();
    QCOMPARE(StatusPanels::statusText(), status);
    QCOMPARE(child<QPushButton>(&window, u"Record"_s)->text(), u"Record"_s);
}

void TestTools::recordCommand_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("pw-record first")
        << QStringList{u"arecord"_s, u"pw-record"_s} << u"pw-record"_s << QStringList();
    QTest::newRow("parecord") << QStringList{u"arecord"_s, u"parecord"_s} << u"parecord"_s
                              << QStringList{u"--file-format=wav"_s};
    QTest::newRow("arecord") << QStringList{u"arecord"_s} << u"arecord"_s
                             << QStringList{u"-f"_s, u"cd"_s, u"-t"_s, u"wav"_s};
    QTest::newRow("none") << QStringList() << QString() << QStringList();
}

void TestTools::recordCommand()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, program);
    QFETCH(QStringList, options);
    QTemporaryDir bin;
    makeExecutables(bin.path(), installed);
    SoundPlayer::setSearchPath({bin.path()});
    WorkDir dir;
    const SoundPlayer::Command command =
        SoundPlayer::recordCommand(u"C:\\windows\\sndrec32.exe"_s, dir.path());
    if (program.isEmpty()) {
        QVERIFY(command.program.isEmpty());
        return;
    }
    QCOMPARE(command.program, bin.filePath(program));
    QCOMPARE(command.arguments.mid(0, options.size()), options);
    QCOMPARE(command.arguments.size(), options.size() + 1);
    const QFileInfo recording(command.arguments.constLast());
    QCOMPARE(recording.absolutePath(), dir.path());
    QVERIFY(recording.fileName().startsWith(u"recording-"_s));
    QCOMPARE(recording.suffix(), u"wav"_s);
    QVERIFY(!recording.exists());
}

void TestTools::recordStartsASystemRecorder()
{
    QTemporaryDir bin;
    FakeProgram recorder(bin.filePath(u"arecord"_s));
    SoundPlayer::setSearchPath({bin.path()});
    WorkDir dir;
    QDir(dir.path()).mkdir(u"takes"_s);
    Form14 window;
    window.show();
    child<DirListBox>(&window, u"Dir1"_s)->setPath(dir.filePath(u"takes"_s));
    child<QPushButton>(&window, u"Record"_s)->click();
    const std::optional<QStringList> arguments = recorder.nextArguments();
    QVERIFY(arguments);
    QCOMPARE(arguments->size(), 5);
    QCOMPARE(QFileInfo(arguments->constLast()).absolutePath(), dir.filePath(u"takes"_s));
}

void TestTools::recordingRunsUntilStopped_data()
{
    QTest::addColumn<bool>("byClosing");
    QTest::newRow("Stop") << false;
    QTest::newRow("window closed") << true;
}

void TestTools::recordingRunsUntilStopped()
{
    QFETCH(bool, byClosing);
    QTemporaryDir bin;
    FakeProgram recorder(bin.filePath(u"pw-record"_s), FakeProgram::Run::UntilStopped);
    SoundPlayer::setSearchPath({bin.path()});
    WorkDir dir;
    Form14 window;
    window.show();
    auto *record = child<QPushButton>(&window, u"Record"_s);
    record->click();
    const std::optional<QStringList> arguments = recorder.nextArguments();
    QVERIFY(arguments);
    const QString file = arguments->constLast();
    QCOMPARE(QFileInfo(file).absolutePath(), dir.path());
    QCOMPARE(record->text(), u"Stop"_s);
    QCOMPARE(StatusPanels::statusText(), u"Recording to "_s + file);

    if (byClosing)
        window.close();
    else
        record->click();
    // The recorder was asked to end, not killed: it completed its file before it went.
    QCOMPARE(dir.read(QFileInfo(file).fileName()), QByteArray("complete"));
    QCOMPARE(record->text(), u"Record"_s);
    QCOMPARE(StatusPanels::statusText(), u"Recorded to "_s + file);
}

void TestTools::captionsAreShownWhole_data()
{
    QTest::addColumn<ToolWindowId>("id");
    QTest::newRow("launcher") << ToolWindowId::runit;
    QTest::newRow("expenses") << ToolWindowId::Form13;
    QTest::newRow("sound files") << ToolWindowId::Form14;
}

void TestTools::captionsAreShownWhole()
{
    QFETCH(ToolWindowId, id);
    WorkDir dir;
    const std::unique_ptr<QWidget> w = createToolWindow(id);
    w->show();
    QCOMPARE(cutCaptions(w.get()).join(u", "), QString());
    // The launcher's pattern box shows its whole starting pattern.
    if (const auto *pattern = w->findChild<QLineEdit *>(u"Text1"_s); id == ToolWindowId::runit)
        QVERIFY(boxShowsAll(pattern, pattern->text()));
}

void TestTools::tabAtTheEdgesScrollsTheLedger_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<int>("startAfter");
    QTest::addColumn<QString>("to");
    QTest::newRow("tab past the last row") << 0 << u"Text4_16"_s << false << 1 << u"Text6_16"_s;
    QTest::newRow("tab in the last row on show")
        << 33 << u"Text4_16"_s << false << 33 << u"Command3"_s;
    QTest::newRow("shift+tab before the first row")
        << 5 << u"Text6_0"_s << true << 4 << u"Text4_0"_s;
    QTest::newRow("shift+tab in entry 0") << 0 << u"Text6_0"_s << true << 0 << u"Text5"_s;
    QTest::newRow("tab inside a row") << 5 << u"Text2_16"_s << false << 5 << u"Text3_16"_s;
}

void TestTools::tabAtTheEdgesScrollsTheLedger()
{
    QFETCH(int, start);
    QFETCH(QString, from);
    QFETCH(bool, backwards);
    QFETCH(int, startAfter);
    QFETCH(QString, to);
    WorkDir dir;
    dir.write(u"all.edf"_s, fullLedgerBytes());
    Form13 window;
    window.show();
    QApplication::setActiveWindow(&window);
    m_dialogs->answerOpenFile(dir.filePath(u"all.edf"_s));
    child<QPushButton>(&window, u"Command3"_s)->click();
    child<QScrollBar>(&window, u"VScroll1"_s)->setValue(start);
    QWidget *box = child<QWidget>(&window, from);
    box->setFocus(Qt::TabFocusReason);
    if (backwards)
        QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
    else
        QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(window.Start, qint16(startAfter));
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
    // The rows show the entries from the new start, and nothing was written into them.
    QCOMPARE(cell(&window, "Text2", 0)->text(), u"item %1"_s.arg(startAfter));
    QCOMPARE(window.ledger().Items[49], u"item 49"_s);
}

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
