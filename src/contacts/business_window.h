#pragma once

#include "business_store.h"

#include "platform/form.h"
#include "settings/configured_font.h"

#include <QList>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The business phone window: the cards of biz.dat, a sorted list of their names, the notes in a
// normal or a wide view, and a printout of the shown card.
class Form4 : public Form
{
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);
    ~Form4() override;

    qint16 position = 0;    // the shown card's record number
    qint16 Numbrecords = 0; // records in biz.dat, as last counted
    qint16 SavePos = 0;     // position kept across a list refresh
    QString Opt;            // "0": the list holds companies, "1": contacts

    void testopen();
    void createbiz();
    void seekrec();
    void getrec();
    void putrec2();
    void removelist();
    void showlist();
    void getpos();
    void getconfig();
    void showmyfonts();

    void List1_Click();
    void Option1_Click();
    void Option2_Click();
    void Command1_Click(); // Add
    void Command2_Click(); // Save It !
    void Command3_Click(); // Delete
    void Command4_Click(); // Fonts
    void Command5_Click(); // Print
    void Command6_Click(); // wide notes view
    void Command7_Click(); // normal view

protected:
    // The order the window was designed with, which the constructor sets: the card's boxes
    // first, then the list, the notes, the options and the buttons.
    void orderTabs() override {}
    void Form_Load() override;
    void Form_Activate() override;

private:
    BizStore::ListBy listBy() const;
    BizRecord shownCard() const;
    void showCard(const BizRecord &card);
    void selectEntry(int row);

    BizStore m_store;
    ConfiguredFont CommonDialog1; // the font dialog's current choice
    int m_listShownRow = -1;      // the list entry whose card the boxes show, -1 for none

    QFrame *Frame1;
    QGroupBox *Frame3;
    QGroupBox *Frame4;
    QGroupBox *Frame5;
    QGroupBox *Frame6;
    QListWidget *List1;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QPlainTextEdit *Text3;
    QLineEdit *Text4;
    QLineEdit *Text5;
    QLineEdit *Text6;
    QLineEdit *Text7;
    QLineEdit *Text8;
    QLineEdit *Text9;
    QLineEdit *Text10;
    QLineEdit *Text11;
    QPlainTextEdit *Text12;
    QLineEdit *Text13;
    QLineEdit *Text15;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5;
    QPushButton *Command6;
    QPushButton *Command7;
};
