#pragma once

#include "tools/ledger_store.h"

#include "platform/form.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The expenses ledger: fifty rows of date, item, category and amount, seventeen at a time on
// screen, with a total; kept in .edf files of the user's choosing.
class Form13 : public Form
{
    Q_OBJECT

public:
    static constexpr int VisibleRows = 17;

    explicit Form13(QWidget *parent = nullptr);

    QString MyFileName;
    qint16 Start = 0;

    const Ledger &ledger() const { return m_ledger; }

    void init();
    void newfileinit();
    void getrec();
    void saveledger();
    void sumit();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void VScroll1_Change();

protected:
    void Form_Load() override;
    // Row by row: date, item, category, amount, then the next row's date.
    void orderTabs() override;

private:
    // Shows entries Start ... Start + 16, numbered.
    void refill();
    // A column of cells for a field of fieldWidth bytes; 0 for the entry numbers.
    QList<QLineEdit *> column(const QString &name, int left, int width, int fieldWidth);

    Ledger m_ledger;

    QList<QLineEdit *> Text1; // "No."
    QList<QLineEdit *> Text6; // "Date"
    QList<QLineEdit *> Text2; // "Item"
    QList<QLineEdit *> Text3; // "Category"
    QList<QLineEdit *> Text4; // "Amount"
    QScrollBar *VScroll1;
    QPushButton *Command3;
    QPushButton *Command2;
    QPushButton *Command5;
    QPushButton *Command4;
    QPushButton *Command1;
    QLineEdit *Text5;
    QLineEdit *Text7;
};
