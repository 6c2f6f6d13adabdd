#pragma once

#include "titled_text_form.h"

#include <QFont>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The named lists of lists.dat: names in a list box, the chosen list's name and body in two
// boxes that store themselves whenever the focus leaves them.
class Form6 : public TitledTextForm
{
    Q_OBJECT

public:
    explicit Form6(QWidget *parent = nullptr);

    void getconfig();
    void showmyfonts();

    void Text1_LostFocus();
    void Text2_LostFocus();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Fonts_Click();
    void Command2_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    QString bodyText() const override;
    void setBodyText(const QString &text) override;

private:
    QFont m_dialogFont; // the font dialog's current choice

    QGroupBox *Frame1;
    QLineEdit *Text1;
    QListWidget *List1;
    QGroupBox *Frame2;
    QPlainTextEdit *Text2;
    QPushButton *Command1;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command2;
    QPushButton *Fonts;
    QLineEdit *Text4;
};
