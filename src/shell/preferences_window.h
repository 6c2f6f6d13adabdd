#pragma once

#include "platform/form.h"

#include <QList>

class QLineEdit;
class QPushButton;
class QRadioButton;

// The preferences window: edits setup.dat.
class Form3 : public Form
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);

    qint16 startup = 0;
    QString appoint;
    qint16 portnumb = 0;

    void testpref();
    void Createpref();
    void getpref();

    void Option1_Click(int index);
    void Option2_Click(int index);
    void Command1_Click();
    void Command2_Click();

protected:
    void Form_Load() override;

private:
    bool save();

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QList<QRadioButton *> Option1;
    QList<QRadioButton *> Option2;
    QPushButton *Command1;
    QPushButton *Command2;
};
