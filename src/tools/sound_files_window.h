#pragma once

#include "platform/form.h"

class DirListBox;
class DriveListBox;
class FileListBox;
class QLineEdit;
class QPushButton;

namespace SoundPlayer {
class Recording;
}

// The sound files window: browse to a wave file and play it with the configured sound program,
// or record with the sound recorder until "Stop".
class Form14 : public Form
{
    Q_OBJECT

public:
    explicit Form14(QWidget *parent = nullptr);

    QString ToSoundpath;
    QString ToSoundPlay;

    void getpref();

    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command1_Click();
    void Record_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void recordingEnded();

    QLineEdit *Text2;
    DriveListBox *Drive1;
    DirListBox *Dir1;
    FileListBox *File1;
    QPushButton *Record;
    QPushButton *Command1;
    SoundPlayer::Recording *m_recording;
};
