#include "sound_files_window.h"

#include "platform/accessible_names.h"
#include "platform/common_messages.h"
#include "platform/file_guard.h"
#include "platform/file_lists.h"
#include "platform/placed_controls.h"
#include "platform/sound_player.h"
#include "platform/status_panels.h"
#include "platform/twips.h"
#include "settings/preference_files.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The recorder this window starts, whatever the preferences name.
const QString Recorder = QStringLiteral("C:\\windows\\sndrec32.exe");

} // namespace

Form14::Form14(QWidget *parent) : Form(parent), m_recording(new SoundPlayer::Recording(this))
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Sound Files"));
    resizeTwips(this, 4590, 3825);

    Text2 = twipsControl<QLineEdit>(this, QStringLiteral("Text2"), 120, 120, 4335, 285);
    Drive1 = twipsControl<DriveListBox>(this, QStringLiteral("Drive1"), 120, 480, 3015, 315);
    Dir1 = twipsControl<DirListBox>(this, QStringLiteral("Dir1"), 120, 960, 2535, 2280);
    File1 = twipsControl<FileListBox>(this, QStringLiteral("File1"), 2760, 960, 1695, 2205);
    nameForRole(Text2, QStringLiteral("Sound file"));
    nameForRole(Dir1, QStringLiteral("Folders"));
    nameForRole(File1, QStringLiteral("Sound files"));
    Record = placedButton(this, "Record", QStringLiteral("Record"), 120, 3360, 1935, 375);
    Command1 = placedButton(this, "Command1", QStringLiteral("Play"), 2280, 3360, 2175, 375);

    connect(Drive1, &DriveListBox::driveChanged, this, &Form14::Drive1_Change);
    connect(Dir1, &DirListBox::pathChanged, this, &Form14::Dir1_Change);
    connect(File1, &QListWidget::itemClicked, this, &Form14::File1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form14::Command1_Click);
    connect(Record, &QPushButton::clicked, this, &Form14::Record_Click);
    connect(m_recording, &SoundPlayer::Recording::finished, this, &Form14::recordingEnded);
}

void Form14::Form_Load()
{
    Text2->clear();
    File1->setPattern(QStringLiteral("*.wav"));
    Dir1->setPath(QDir::currentPath());
    Drive1->showDriveOf(Dir1->path());
    guarded(this, [this] { getpref(); });
}

void Form14::Form_Unload()
{
    m_recording->stop();
}

void Form14::getpref()
{
    const PrefRecord prefs = PreferenceFiles::readSetup();
    ToSoundpath = prefs.SoundProgram;
    ToSoundPlay = prefs.SoundFile;
}

void Form14::Drive1_Change()
{
    followDrive(this, Drive1, Dir1);
}

void Form14::Dir1_Change()
{
    File1->setPath(Dir1->path());
}

void Form14::File1_Click()
{
    Text2->setText(browsedFilePath(Dir1->path(), File1->fileName()));
}

void Form14::Command1_Click()
{
    const SoundPlayer::Command command = SoundPlayer::playCommand(ToSoundpath, Text2->text());
    if (SoundPlayer::start(command, ProgramStart::WindowMode::Normal))
        return;
    if (command.noneInstalled)
        SetStatusText(SoundPlayer::installHint());
    tell(this, QStringLiteral("*Program not found"));
}

void Form14::Record_Click()
{
    if (m_recording->isRunning()) {
        m_recording->stop();
        return;
    }
    const SoundPlayer::Command command = SoundPlayer::recordCommand(Recorder, Dir1->path());
    if (!m_recording->start(command)) {
        if (command.noneInstalled)
            SetStatusText(SoundPlayer::installHint());
        tell(this, QStringLiteral("Program not found"));
        return;
    }
    Record->setText(QStringLiteral("Stop"));
    SetStatusText(command.recording.isEmpty()
                      ? QStringLiteral("Recording")
                      : QStringLiteral("Recording to ") + command.recording);
}

void Form14::recordingEnded()
{
    Record->setText(QStringLiteral("Record"));
    const QString file = m_recording->file();
    SetStatusText(QFileInfo::exists(file) ? QStringLiteral("Recorded to ") + file : QString());
}
