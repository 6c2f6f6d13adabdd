#pragma once

#include "titled_text_form.h"

#include <QColor>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;

// The help topics of VLhelp.hlp, which the user may change and add to: titles in a list, the
// chosen topic's body in a rich-text box whose sizes and colours are for the screen only.
class Form9 : public TitledTextForm
{
    Q_OBJECT

public:
    explicit Form9(QWidget *parent = nullptr);

    void Save_Click();
    void Command2_Click();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

protected:
    void Form_Load() override;
    QString bodyText() const override;
    void setBodyText(const QString &text) override;
    // A data folder without topics gets the ones the program ships, else ten blank ones.
    void createFile() override;

private:
    // A topic shown, and the text typed into it, start in the box's own size and colour.
    void showInDefaultFormat();
    void setSelectionSize(int points);

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
