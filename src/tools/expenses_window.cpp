#include "expenses_window.h"

#include "platform/accessible_names.h"
#include "platform/common_messages.h"
#include "platform/dialogs.h"
#include "platform/field_box.h"
#include "platform/file_guard.h"
#include "platform/keyboard.h"
#include "platform/placed_controls.h"
#include "platform/printer.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int LastStart = Ledger::Rows - Form13::VisibleRows; // 33: the last row shows entry 49

// The buttons stand in a column at the right.
QPushButton *button(QWidget *parent, const char *name, const QString &caption, int top)
{
    return placedButton(parent, name, caption, 7920, top, 1215, 375);
}

void caption(QWidget *parent, const char *name, const QString &text, int left, int top, int width)
{
    placedLabel(parent, name, text, left, top, width, 255);
}

} // namespace

Form13::Form13(QWidget *parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Expenses"));
    resizeTwips(this, 9300, 5400);

    caption(this, "Label1", QStringLiteral("No."), 240, 360, 375);
    caption(this, "Label2", QStringLiteral("Date"), 600, 360, 975);
    caption(this, "Label3", QStringLiteral("Item"), 1560, 360, 3255);
    caption(this, "Label4", QStringLiteral("Category"), 4800, 360, 1575);
    caption(this, "Label5", QStringLiteral("Amount"), 6360, 360, 1095);

    Text1 = column(QStringLiteral("Text1"), 240, 375, 0);
    Text6 = column(QStringLiteral("Text6"), 600, 975, Ledger::DateWidth);
    Text2 = column(QStringLiteral("Text2"), 1560, 3255, Ledger::ItemWidth);
    Text3 = column(QStringLiteral("Text3"), 4800, 1575, Ledger::CategoryWidth);
    Text4 = column(QStringLiteral("Text4"), 6360, 1095, Ledger::AmountWidth);
    // A cell is read with the heading of its column.
    for (int r = 0; r < VisibleRows; ++r) {
        nameForRole(Text1.at(r), QStringLiteral("No."));
        nameForRole(Text6.at(r), QStringLiteral("Date"));
        nameForRole(Text2.at(r), QStringLiteral("Item"));
        nameForRole(Text3.at(r), QStringLiteral("Category"));
        nameForRole(Text4.at(r), QStringLiteral("Amount"));
    }
    for (int r = 0; r < VisibleRows; ++r) {
        connect(Text6.at(r), &QLineEdit::textChanged, this,
                [this, r](const QString &text) { m_ledger.Dates[Start + r] = text; });
        connect(Text2.at(r), &QLineEdit::textChanged, this,
                [this, r](const QString &text) { m_ledger.Items[Start + r] = text; });
        connect(Text3.at(r), &QLineEdit::textChanged, this,
                [this, r](const QString &text) { m_ledger.Categories[Start + r] = text; });
        connect(Text4.at(r), &QLineEdit::textChanged, this, [this, r](const QString &text) {
            m_ledger.Amounts[Start + r] = text;
            sumit();
        });
    }

    VScroll1 = twipsControl<QScrollBar>(this, QStringLiteral("VScroll1"), 7440, 600, 255, 4095);
    VScroll1->setOrientation(Qt::Vertical);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form13::VScroll1_Change);

    Command3 = button(this, "Command3", QStringLiteral("Open File"), 840);
    Command2 = button(this, "Command2", QStringLiteral("Save File"), 1320);
    Command5 = button(this, "Command5", QStringLiteral("New"), 1800);
    Command4 = button(this, "Command4", QStringLiteral("Print"), 2280);
    Command1 = button(this, "Command1", QStringLiteral("Sum"), 4200);
    connect(Command1, &QPushButton::clicked, this, &Form13::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form13::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form13::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form13::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form13::Command5_Click);

    // Tab past the last row on show scrolls the next entry in, and Shift+Tab before the first
    // the previous one.
    onKey(Text4.last(), Qt::Key_Tab, [this] {
        if (Start >= LastStart)
            return false;
        VScroll1->setValue(Start + 1);
        Text6.last()->setFocus(Qt::TabFocusReason);
        return true;
    });
    onKey(Text6.first(), Qt::Key_Backtab, [this] {
        if (Start <= 0)
            return false;
        VScroll1->setValue(Start - 1);
        Text4.first()->setFocus(Qt::BacktabFocusReason);
        return true;
    });

    caption(this, "Label6", QStringLiteral("File :"), 360, 4800, 555);
    Text7 = twipsControl<QLineEdit>(this, QStringLiteral("Text7"), 960, 4800, 1695, 285);
    caption(this, "Label7", QStringLiteral("Total"), 5640, 4800, 615);
    Text5 = twipsControl<QLineEdit>(this, QStringLiteral("Text5"), 6360, 4800, 1095, 285);
    nameAfterLabel(Text7, findChild<QLabel *>(QStringLiteral("Label6")));
    nameAfterLabel(Text5, findChild<QLabel *>(QStringLiteral("Label7")));
}

QList<QLineEdit *> Form13::column(const QString &name, int left, int width, int fieldWidth)
{
    QList<QLineEdit *> cells;
    for (int r = 0; r < VisibleRows; ++r) {
        auto *cell = twipsControl<QLineEdit>(this, name + u'_' + QString::number(r), left,
                                             600 + 240 * r, width, 285);
        if (fieldWidth > 0)
            limitToField(cell, fieldWidth);
        else
            cell->setFocusPolicy(Qt::NoFocus); // the entry numbers head their rows: no stop
        cells.append(cell);
    }
    return cells;
}

void Form13::Form_Load()
{
    Text7->clear();
    init();
    // Entry 0 at the top through entry 49 at the bottom row, one row a step.
    VScroll1->setRange(0, LastStart);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(VisibleRows);
    Start = 0;
}

void Form13::orderTabs()
{
    QList<QWidget *> chain;
    for (int r = 0; r < VisibleRows; ++r)
        chain << Text6.at(r) << Text2.at(r) << Text3.at(r) << Text4.at(r);
    chain << Command3 << Command2 << Command5 << Command4 << Command1 << Text7 << Text5;
    setTabChain(chain);
}

void Form13::init()
{
    for (int r = 0; r < VisibleRows; ++r) {
        Text1.at(r)->setText(QString::number(r));
        Text6.at(r)->clear();
        Text2.at(r)->clear();
        Text3.at(r)->clear();
        Text4.at(r)->clear();
    }
    Text5->clear();
}

void Form13::newfileinit()
{
    m_ledger = Ledger();
}

void Form13::getrec()
{
    m_ledger = LedgerFile::read(MyFileName);
}

void Form13::saveledger()
{
    LedgerFile::write(MyFileName, m_ledger);
}

void Form13::sumit()
{
    double total = 0;
    for (const QString &amount : m_ledger.Amounts)
        total += amountValue(amount);
    Text5->setText(generalNumber(total));
}

void Form13::refill()
{
    for (int r = 0; r < VisibleRows; ++r) {
        const int entry = Start + r;
        Text1.at(r)->setText(QString::number(entry));
        showStoredText(Text6.at(r), m_ledger.Dates[entry]);
        showStoredText(Text2.at(r), m_ledger.Items[entry]);
        showStoredText(Text3.at(r), m_ledger.Categories[entry]);
        showStoredText(Text4.at(r), m_ledger.Amounts[entry]);
    }
}

void Form13::Command5_Click()
{
    init();
    newfileinit();
    Text7->clear();
}

void Form13::Command2_Click()
{
    Dialogs::FileRequest request;
    request.filter = QStringLiteral("*.edf");
    request.defaultSuffix = QStringLiteral("Edf");
    request.fileName = MyFileName;
    const QString chosen = dialogs().saveFileName(this, request);
    if (chosen.isEmpty())
        return;
    MyFileName = chosen;
    guarded(this, [this] { saveledger(); });
}

void Form13::Command3_Click()
{
    Dialogs::FileRequest request;
    request.filter = QStringLiteral("*.Edf");
    request.defaultSuffix = QStringLiteral("*.Edf");
    const QString chosen = dialogs().openFileName(this, request);
    if (chosen.isEmpty())
        return;
    guarded(this, [&] {
        MyFileName = chosen;
        getrec();
        Start = 0;
        {
            // The bar shows the top again; the rows are refilled once, below.
            const QSignalBlocker block(VScroll1);
            VScroll1->setValue(0);
        }
        refill();
        Text7->setText(MyFileName);
        sumit();
    });
}

void Form13::Command1_Click()
{
    sumit();
}

void Form13::Command4_Click()
{
    if (!confirmPrintNow(this)) {
        tell(this, QStringLiteral("Print Job Canceled"));
        return;
    }
    const std::unique_ptr<LinePrinter> printer = Printing::open(QStringLiteral("Expenses"));
    printer->printLine(
        QStringLiteral("Date        Item                               Category       Amount"));
    printer->printLine(QStringLiteral(" "));
    for (int i = 0; i < Ledger::Rows; ++i)
        printer->printLine(m_ledger.printedRow(i));
    printer->printLine(QStringLiteral(" "));
    printer->printLine(QString(56, u' ') + QStringLiteral("Total: ") + Text5->text());
    printer->newPage();
    if (!printer->endDocument())
        tell(this, QStringLiteral("There was a problem printing to your printer."));
}

void Form13::VScroll1_Change()
{
    Start = qint16(VScroll1->value());
    refill();
}
