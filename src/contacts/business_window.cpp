#include "business_window.h"

#include "business_card.h"

#include "platform/accessible_names.h"
#include "platform/common_messages.h"
#include "platform/dialogs.h"
#include "platform/field_box.h"
#include "platform/file_guard.h"
#include "platform/keyboard.h"
#include "platform/list_marks.h"
#include "platform/list_order.h"
#include "platform/placed_controls.h"
#include "platform/printer.h"
#include "platform/twips.h"
#include "settings/preference_files.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace {

QLabel *label(const char *name, const QString &caption, QWidget *parent, int left, int top,
              int width)
{
    QLabel *text = placedLabel(parent, name, caption, left, top, width, 255);
    // The captions fit their room beside the boxes and option buttons at the design's size.
    QFont small = text->font();
    small.setPointSize(8);
    text->setFont(small);
    return text;
}

} // namespace

Form4::Form4(QWidget *parent) : Form(parent)
{
    setObjectName(u"Form4"_s);
    setWindowTitle(u"BUSINESS PHONE"_s);
    resizeTwips(this, 9495, 5295);

    // Frames first, so the boxes lie above them.
    Frame1 = twipsControl<QFrame>(this, u"Frame1"_s, 0, 0, 9495, 4575);
    Frame1->setFrameShape(QFrame::StyledPanel);

    Frame3 = twipsControl<QGroupBox>(this, u"Frame3"_s, 120, 120, 1935, 4335);
    label("Label8", u"List"_s, Frame3, 120, 0, 1200);

    Frame4 = twipsControl<QGroupBox>(this, u"Frame4"_s, 2160, 120, 4095, 4335);
    label("Label13", u"Contacts"_s, Frame4, 60, 0, 1200);
    label("Label14", u"Company"_s, Frame4, 60, 240, 780);
    label("Label3", u"Contact"_s, Frame4, 60, 600, 780);
    label("Label2", u"Address"_s, Frame4, 60, 1080, 1080);
    label("Label4", u"City"_s, Frame4, 60, 1680, 1080);
    label("Label5", u"State"_s, Frame4, 60, 2160, 1080);
    label("Label6", u"Zip"_s, Frame4, 1740, 2160, 600);
    label("Label7", u"Phone 1"_s, Frame4, 60, 2760, 1080);
    label("Label9", u"Phone 2"_s, Frame4, 60, 3120, 1080);
    label("Label10", u"Fax"_s, Frame4, 60, 3480, 1080);
    label("Label11", u"Email"_s, Frame4, 60, 3840, 1080);
    Option1 = twipsControl<QRadioButton>(Frame4, u"Option1"_s, 840, 240, 255, 255);
    Option1->setToolTip(u"List by company"_s);
    Option2 = twipsControl<QRadioButton>(Frame4, u"Option2"_s, 840, 600, 255, 255);
    Option2->setToolTip(u"List by contact"_s);

    Frame5 = twipsControl<QGroupBox>(this, u"Frame5"_s, 6360, 120, 3015, 4335);
    label("label12", u"Notes"_s, Frame5, 120, 0, 1200);
    Frame6 = twipsControl<QGroupBox>(this, u"Frame6"_s, 2160, 120, 7215, 4335);
    Frame6->hide();

    List1 = twipsControl<QListWidget>(this, u"List1"_s, 240, 360, 1695, 3960);
    // Entries are padded to the full name width: no scroll bar, no ellipsis for the spaces.
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setTextElideMode(Qt::ElideNone);
    List1->setUniformItemSizes(true); // a full book lists 32767 names

    Text1 = twipsControl<QLineEdit>(this, u"Text1"_s, 3360, 360, 2655, 285);
    Text2 = twipsControl<QLineEdit>(this, u"Text2"_s, 3360, 720, 2655, 285);
    Text3 = twipsControl<QPlainTextEdit>(this, u"Text3"_s, 3360, 1200, 2655, 495);
    Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text4 = twipsControl<QLineEdit>(this, u"Text4"_s, 3360, 1800, 2655, 285);
    Text5 = twipsControl<QLineEdit>(this, u"Text5"_s, 3360, 2280, 495, 285);
    Text6 = twipsControl<QLineEdit>(this, u"Text6"_s, 4560, 2280, 1455, 285);
    Text7 = twipsControl<QLineEdit>(this, u"Text7"_s, 3360, 2880, 2055, 285);
    Text8 = twipsControl<QLineEdit>(this, u"Text8"_s, 5400, 2880, 615, 285);
    Text9 = twipsControl<QLineEdit>(this, u"Text9"_s, 3360, 3240, 2055, 285);
    Text10 = twipsControl<QLineEdit>(this, u"Text10"_s, 5400, 3240, 615, 285);
    Text11 = twipsControl<QLineEdit>(this, u"Text11"_s, 3360, 3600, 2655, 285);
    Text15 = twipsControl<QLineEdit>(this, u"Text15"_s, 3360, 3960, 2655, 285);
    Text12 = twipsControl<QPlainTextEdit>(this, u"Text12"_s, 6480, 360, 2775, 3975);
    Text12->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text12->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text12->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // The strip behind the buttons.
    Text13 = buttonStrip(this, "Text13", 0, 4680, 9495, 615);

    Command2 = placedButton(this, "Command2", u"Save It !"_s, 240, 4800, 1815, 375);
    Command1 = placedButton(this, "Command1", u"Add"_s, 2160, 4800, 1215, 375);
    Command3 = placedButton(this, "Command3", u"Delete"_s, 3600, 4800, 1215, 375);
    Command4 = placedButton(this, "Command4", u"Fonts"_s, 6240, 4800, 975, 375);
    Command5 = placedButton(this, "Command5", u"Print"_s, 7440, 4800, 975, 375);
    Command6 = placedButton(this, "Command6", u"<"_s, 8520, 4800, 375, 375);
    Command7 = placedButton(this, "Command7", u">"_s, 9000, 4800, 375, 375);

    for (QLineEdit *line :
         {Text1, Text2, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, Text15})
        limitToField(line, BizRecord::NameWidth);
    limitToField(Text3, BizRecord::AddressWidth);
    limitToField(Text12, BizRecord::NotesWidth);

    // The captions in the frames name the boxes beside them; the rest are named for their role.
    const std::pair<QWidget *, const char *> labelled[] = {
        {Text1, "Label14"},  {Text2, "Label3"},   {Text3, "Label2"},  {Text4, "Label4"},
        {Text5, "Label5"},   {Text6, "Label6"},   {Text7, "Label7"},  {Text9, "Label9"},
        {Text11, "Label10"}, {Text15, "Label11"}, {Text12, "label12"}};
    for (const auto &[box, label] : labelled)
        nameAfterLabel(box, findChild<QLabel *>(QLatin1String(label)));
    nameForRole(Text8, u"Phone 1 extension"_s);
    nameForRole(Text10, u"Phone 2 extension"_s);
    nameForRole(List1, u"Names"_s);
    nameForRole(Option1, Option1->toolTip());
    nameForRole(Option2, Option2->toolTip());

    const QList<QWidget *> tabOrder{Text1,    Text2,    Text3,    Text4,    Text5,    Text6,
                                    Text7,    Text8,    Text9,    Text10,   Text11,   Text15,
                                    List1,    Text12,   Option1,  Option2,  Command2, Command1,
                                    Command3, Command4, Command5, Command6, Command7};
    setTabChain(tabOrder);

    // A new entry, by mouse or keys, shows its card; so does a click on the entry whose card
    // was left for a new one.
    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    connect(List1, &QListWidget::itemClicked, this, [this] {
        if (List1->currentRow() != m_listShownRow)
            List1_Click();
    });
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option2_Click();
    });
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form4::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form4::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form4::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form4::Command7_Click);
}

Form4::~Form4()
{
    // The list may report selection changes while it is torn down; this window is gone then.
    List1->blockSignals(true);
}

void Form4::Form_Load()
{
    // Arrows every Linux font draws: the notes box widens to the left and comes back.
    Command6->setText(QString(QChar(0x25C0)));
    Command7->setText(QString(QChar(0x25B6)));
    guarded(this, [this] {
        getconfig();
        showmyfonts();
    });
    Opt = u"0"_s;
    guarded(this, [this] {
        testopen();
        seekrec();
        position = 1;
        showlist();
        getpos();
        getrec();
    });
}

void Form4::Form_Activate()
{
    guarded(this, [this] {
        getconfig();
        showmyfonts();
    });
}

void Form4::testopen()
{
    if (!m_store.exists())
        createbiz();
}

void Form4::createbiz()
{
    m_store.create();
}

void Form4::seekrec()
{
    Numbrecords = qint16(m_store.count());
}

void Form4::getrec()
{
    showCard(m_store.read(position));
}

void Form4::putrec2()
{
    m_store.write(position, shownCard());
}

void Form4::removelist()
{
    const QSignalBlocker blocker(List1);
    List1->clear();
    m_listShownRow = -1;
}

void Form4::showlist()
{
    seekrec();
    SavePos = position;
    position = 1;
    QStringList names = m_store.names(listBy());
    names = sortedAsListBox(names.first(qMin<qsizetype>(names.size(), Numbrecords)));
    {
        const QSignalBlocker blocker(List1);
        List1->addItems(names);
    }
    if (List1->count() == 0) {
        position = SavePos;
        return;
    }
    selectEntry(0);
    position = SavePos;
    // The entry at the kept record number's index; a new card past the end of the list selects
    // the first entry again, so the card shown is always the one `position` names.
    selectEntry(SavePos - 1 < List1->count() ? SavePos - 1 : 0);
}

void Form4::getpos()
{
    seekrec();
    const QListWidgetItem *selected = List1->currentItem();
    const int found = m_store.find(listBy(), selected ? selected->text() : QString());
    // No match falls back to the last card; an empty file to a new first card.
    position = qint16(found > 0 ? found : qMax<int>(Numbrecords, 1));
}

void Form4::getconfig()
{
    CommonDialog1 = ConfiguredFont::read(ConfigRecord::Length);
}

void Form4::showmyfonts()
{
    CommonDialog1.applyBold(Text12);
    for (QWidget *box :
         std::initializer_list<QWidget *>{Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8,
                                          Text9, Text10, Text11, Text15, Text12, List1})
        CommonDialog1.applySize(box);
}

void Form4::List1_Click()
{
    guarded(this, [this] {
        getpos();
        getrec();
    });
    m_listShownRow = List1->currentRow();
}

void Form4::Option1_Click()
{
    Opt = u"0"_s;
    guarded(this, [this] {
        removelist();
        showlist();
    });
}

void Form4::Option2_Click()
{
    Opt = u"1"_s;
    guarded(this, [this] {
        removelist();
        showlist();
    });
}

void Form4::Command1_Click()
{
    guarded(this, [this] {
        seekrec();
        if (Numbrecords >= BizStore::MaxRecords) {
            tell(this, u"The business phone book is full."_s);
            return;
        }
        position = qint16(Numbrecords + 1);
        getrec();
        m_listShownRow = -1;
        markRow(List1, -1); // the new card has no entry until it is saved
        // What is typed next goes to the name the book is listed by.
        (listBy() == BizStore::ListBy::Contact ? Text2 : Text1)->setFocus();
    });
}

void Form4::Command2_Click()
{
    guarded(this, [this] {
        putrec2();
        seekrec();
        removelist();
        showlist();
    });
}

void Form4::Command3_Click()
{
    if (!confirmDelete(this))
        return;
    guarded(this, [this] {
        showCard(BizRecord());
        // A new card that was never saved has no record to blank: deleting it writes nothing.
        seekrec();
        if (position <= Numbrecords)
            putrec2();
        removelist();
        showlist();
    });
}

void Form4::Command4_Click()
{
    QFont font = CommonDialog1.appliedTo(Text1->font());
    if (dialogs().font(this, font))
        CommonDialog1 = ConfiguredFont::fromFont(font);
    // The dialog's font, chosen or as it was, goes to these boxes; it is not saved.
    const std::initializer_list<QWidget *> boxes{Text1, Text2, Text3, Text4,  Text5,
                                                 Text7, Text8, Text9, Text12, List1};
    for (QWidget *box : boxes)
        CommonDialog1.applyBold(box);
    for (QWidget *box : boxes)
        CommonDialog1.applySize(box);
}

void Form4::Command5_Click()
{
    if (!confirmPrintNow(this)) {
        tell(this, u"Print Job Canceled"_s);
        return;
    }
    const auto printer = Printing::open(u"Business Phone"_s);
    for (const QString &line : printedCard(shownCard()))
        printer->printLine(line);
    if (!printer->endDocument())
        tell(this, u"There was a problem printing to your printer."_s);
}

void Form4::Command6_Click()
{
    Text12->setGeometry(twipsRect(2300, 360, 6990, 3975, this));
    Frame6->show();
    Frame6->raise();
    Text12->raise();
    Frame4->hide();
    Frame5->hide();
}

void Form4::Command7_Click()
{
    Text12->setGeometry(twipsRect(6480, 360, 2775, 3975, this));
    Frame6->hide();
    Frame4->show();
    Frame5->show();
}

BizStore::ListBy Form4::listBy() const
{
    return Opt == u"1"_s ? BizStore::ListBy::Contact : BizStore::ListBy::Company;
}

BizRecord Form4::shownCard() const
{
    BizRecord card;
    card.Company = Text1->text();
    card.Contact = Text2->text();
    card.Address = boxText(Text3);
    card.City = Text4->text();
    card.State = Text5->text();
    card.Zip = Text6->text();
    card.Phone1 = Text7->text();
    card.Ext1 = Text8->text();
    card.Phone2 = Text9->text();
    card.Ext2 = Text10->text();
    card.Fax = Text11->text();
    card.EMail = Text15->text();
    card.Notes = boxText(Text12);
    return card;
}

void Form4::showCard(const BizRecord &card)
{
    showStoredText(Text1, card.Company);
    showStoredText(Text2, card.Contact);
    Text3->setPlainText(card.Address);
    showStoredText(Text4, card.City);
    showStoredText(Text5, card.State);
    showStoredText(Text6, card.Zip);
    showStoredText(Text7, card.Phone1);
    showStoredText(Text8, card.Ext1);
    showStoredText(Text9, card.Phone2);
    showStoredText(Text10, card.Ext2);
    showStoredText(Text11, card.Fax);
    showStoredText(Text15, card.EMail);
    Text12->setPlainText(card.Notes);
}

void Form4::selectEntry(int row)
{
    {
        const QSignalBlocker blocker(List1);
        List1->setCurrentRow(row);
    }
    getpos();
    getrec();
    m_listShownRow = row;
}
