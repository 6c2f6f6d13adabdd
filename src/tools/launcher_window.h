#pragma once

#include "tools/launch_store.h"

#include "platform/form.h"

#include <QList>

class DirListBox;
class DriveListBox;
class FileListBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The launcher: seven programmable buttons that start programs, and a file browser that starts
// any file.
class runit : public Form
{
    Q_OBJECT

public:
    explicit runit(QWidget *parent = nullptr);

    // launch1 ... launch8 and cmd1 ... cmd8.
    LaunchRecord fields;

    void testopen();
    void getrec();
    void putrec2();

    // Button k, 1 to 7.
    void launchButton_Click(int k);
    void Command10_Click();
    void Command2_Click();
    void Drive1_Change();
    void Dir1_Change();
    void File1_PathChange();
    void File1_PatternChange();
    void File1_Click();
    void Text1_Change();

    // Launch button k (1 to 7): Command1, Command3 ... Command8.
    QPushButton *launchButton(int k) const { return m_buttons.at(k - 1); }

protected:
    void Form_Load() override;

private:
    LaunchStore m_store;

    QLineEdit *Text2;
    DriveListBox *Drive1;
    QLineEdit *Text1;
    QPushButton *Command2;
    DirListBox *Dir1;
    FileListBox *File1;
    QGroupBox *Frame1;
    QLabel *Label2;
    QPushButton *Command10;
    QList<QPushButton *> m_buttons;
};
