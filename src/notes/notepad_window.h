#pragma once

#include "help_store.h"

#include "platform/form.h"

#include <QColor>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;

// The help topics of VLhelp.hlp, which the user may change and add to: titles in a list, the
// chosen topic's body in a rich-text box whose sizes and colours are for the screen only.
class Form9 : public Form
{
    Q_OBJECT

public:
    explicit Form9(QWidget *parent = nullptr);

    qint16 position = 0;
    qint16 Numbrecords = 0;
    qint16 SavePos = 0;

    void testopen();
    void seekrec();
    void getrec();
    void putrec2();
    void removelist();
    void showlist();

    void List1_Click();
    void Save_Click();
    void Command2_Click();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

protected:
    void Form_Load() override;

private:
    void setSelectionSize(int points);

    HelpStore m_store;
    QColor m_dialogColor; // the colour dialog's current choice

    QListWidget *List1;
    QPushButton *Command5;
    QTextEdit *RichTextBox1;
    QLineEdit *Text2;
    QPushButton *Save;
    QPushButton *Command4;
    QPushButton *Command2;
    QPushButton *Command1;
    QPushButton *Command3;
};
