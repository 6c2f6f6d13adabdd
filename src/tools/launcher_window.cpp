#include "launcher_window.h"

#include "platform/accessible_names.h"
#include "platform/common_messages.h"
#include "platform/dialogs.h"
#include "platform/file_guard.h"
#include "platform/file_lists.h"
#include "platform/placed_controls.h"
#include "platform/program_start.h"
#include "platform/twips.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

runit::runit(QWidget *parent) : Form(parent)
{
    setObjectName(QStringLiteral("runit"));
    setWindowTitle(QStringLiteral("Launch"));
    resizeTwips(this, 8235, 4875);

    Text2 = twipsControl<QLineEdit>(this, QStringLiteral("Text2"), 120, 240, 5055, 285);
    Drive1 = twipsControl<DriveListBox>(this, QStringLiteral("Drive1"), 120, 720, 2415, 315);
    // Wide enough for "*.exe" in today's fonts; it still ends before "Launch It".
    Text1 = twipsControl<QLineEdit>(this, QStringLiteral("Text1"), 2640, 720, 735, 285);
    Text1->setText(QStringLiteral("*.exe"));
    Command2 = placedButton(this, "Command2", QStringLiteral("Launch It"), 3480, 720, 1815, 375);
    Dir1 = twipsControl<DirListBox>(this, QStringLiteral("Dir1"), 120, 1200, 3255, 3405);
    File1 = twipsControl<FileListBox>(this, QStringLiteral("File1"), 3480, 1200, 1815, 3375);
    nameForRole(Text2, QStringLiteral("Command line"));
    nameForRole(Text1, QStringLiteral("File pattern"));
    nameForRole(Dir1, QStringLiteral("Folders"));
    nameForRole(File1, QStringLiteral("Files"));

    Frame1 = twipsControl<QGroupBox>(this, QStringLiteral("Frame1"), 5520, 0, 2655, 4815);
    Label2 = placedLabel(Frame1, "Label2", QStringLiteral("Launch Buttons"), 720, 240, 1695, 255);
    const char *buttonNames[] = {"Command1", "Command3", "Command4", "Command5",
                                 "Command6", "Command7", "Command8"};
    const char *labelNames[] = {"Label1", "Label3", "Label4", "Label5",
                                "Label6", "Label7", "Label8"};
    for (int k = 1; k <= 7; ++k) {
        const int top = 600 + 480 * (k - 1);
        QLabel *number =
            placedLabel(Frame1, labelNames[k - 1], QString::number(k), 120, top + 60, 240, 255);
        QPushButton *button =
            placedButton(Frame1, buttonNames[k - 1], QString(), 360, top, 2055, 375);
        // A button not yet programmed has no caption: its number names it.
        nameAfterLabel(button, number);
        connect(button, &QPushButton::clicked, this, [this, k] { launchButton_Click(k); });
        m_buttons.append(button);
    }
    Command10 =
        placedButton(Frame1, "Command10", QStringLiteral("Program Button"), 360, 4200, 2055, 375);

    connect(Command10, &QPushButton::clicked, this, &runit::Command10_Click);
    connect(Command2, &QPushButton::clicked, this, &runit::Command2_Click);
    connect(Drive1, &DriveListBox::driveChanged, this, &runit::Drive1_Change);
    connect(Dir1, &DirListBox::pathChanged, this, &runit::Dir1_Change);
    connect(File1, &FileListBox::pathChanged, this, &runit::File1_PathChange);
    connect(File1, &FileListBox::patternChanged, this, &runit::File1_PatternChange);
    connect(File1, &QListWidget::itemClicked, this, &runit::File1_Click);
    connect(File1, &QListWidget::itemDoubleClicked, this, &runit::Command2_Click);
    connect(Text1, &QLineEdit::textChanged, this, &runit::Text1_Change);
}

void runit::Form_Load()
{
    Dir1->setPath(QDir::currentPath());
    Drive1->showDriveOf(Dir1->path());
    Text2->setText(Dir1->path());
    File1->setFileName(Text1->text());
    Dir1->setPath(File1->path().isEmpty() ? Dir1->path() : File1->path());
    guarded(this, [this] {
        testopen();
        getrec();
    });
}

void runit::testopen()
{
    if (!m_store.exists())
        m_store.create();
}

void runit::getrec()
{
    fields = m_store.read();
    for (int k = 1; k <= 7; ++k)
        launchButton(k)->setText(fields.cmd[k - 1]);
}

void runit::putrec2()
{
    m_store.write(fields);
}

void runit::launchButton_Click(int k)
{
    if (ProgramStart::startCommandLine(fields.launch[k - 1], ProgramStart::WindowMode::Normal))
        hide();
    else
        tell(this, QStringLiteral("Could not Launch - Check path"));
}

void runit::Command10_Click()
{
    // All three are asked, whatever the earlier answers were.
    const QString number =
        dialogs().input(this, QStringLiteral("Button Number [1 - 7] to program."), QString(),
                        QString(), Dialogs::AnyLength);
    const QString name = dialogs().input(this, QStringLiteral("Name on button. "), QString(),
                                         QString(), LaunchRecord::CaptionWidth);
    const QString path =
        dialogs().input(this, QStringLiteral("Button Path : Example C:\\Windows\\calc.exe"),
                        QString(), QString(), LaunchRecord::CommandWidth);
    guarded(this, [&] {
        getrec();
        bool isNumber = false;
        const double k = number.toDouble(&isNumber);
        if (!isNumber) {
            tell(this, QStringLiteral("Error: Besure Button Number is Correct"));
            return;
        }
        for (int button = 1; button <= 7; ++button) {
            if (k == button) {
                launchButton(button)->setText(name);
                fields.cmd[button - 1] = name;
                fields.launch[button - 1] = path;
            }
        }
        putrec2();
        tell(this, QStringLiteral("Excepted: Now test your Button"));
    });
}

void runit::Command2_Click()
{
    if (!ProgramStart::startCommandLine(Text2->text(), ProgramStart::WindowMode::Normal))
        tell(this, QStringLiteral("Non-Executable File : .EXE, .BAT .COM"));
}

void runit::Drive1_Change()
{
    followDrive(this, Drive1, Dir1);
}

void runit::Dir1_Change()
{
    File1->setPath(Dir1->path());
}

void runit::File1_PathChange()
{
    // The file list's new path: the directory list follows it only afterwards.
    Text2->setText(File1->path());
}

void runit::File1_PatternChange()
{
    Text1->setText(File1->pattern());
}

void runit::File1_Click()
{
    Text2->setText(browsedFilePath(Dir1->path(), File1->fileName()));
}

void runit::Text1_Change()
{
    File1->setFileName(Text1->text());
    if (!File1->path().isEmpty())
        Dir1->setPath(File1->path());
}
