#include "notepad_window.h"

#include "questions.h"
#include "window_controls.h"

#include "platform/dialogs.h"
#include "platform/file_guard.h"
#include "platform/twips.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>

namespace {

constexpr int DefaultPoints = 10;

} // namespace

Form9::Form9(QWidget *parent) : Form(parent), m_dialogColor(Qt::black)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Help - Velmora  (32 bit)  Version 1.0"));
    resizeTwips(this, 7935, 5895);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    setTwipsGeometry(List1, 120, 120, 1935, 3765);
    Command5 = placedButton(this, "Command5", QStringLiteral("Print"), 120, 4080, 1935, 375);

    RichTextBox1 = new QTextEdit(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setAcceptRichText(false); // pasted text takes the box's own formatting
    QFont bodyFont(QStringLiteral("MS Sans Serif"), DefaultPoints);
    bodyFont.setStyleHint(QFont::SansSerif);
    RichTextBox1->setFont(bodyFont);
    setTwipsGeometry(RichTextBox1, 2160, 120, 5535, 4335);

    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    setTwipsGeometry(Text2, 120, 5280, 1815, 285);
    Save = placedButton(this, "Save", QStringLiteral("Save"), 2160, 5280, 975, 375);
    Command4 = placedButton(this, "Command4", QStringLiteral("Color"), 3240, 5280, 975, 375);
    Command2 = placedButton(this, "Command2", QStringLiteral("Add"), 4320, 5280, 735, 375);
    Command1 = placedButton(this, "Command1", QStringLiteral("Font 8"), 5160, 5280, 735, 375);
    Command3 = placedButton(this, "Command3", QStringLiteral("Font 14"), 6000, 5280, 735, 375);

    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    // A click on the entry that is already current shows its stored topic again.
    connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
    connect(Save, &QPushButton::clicked, this, [this] { Save_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
}

void Form9::Form_Load()
{
    position = 1;
    guarded(this, [this] {
        testopen();
        seekrec();
        showlist();
        position = 1;
        getrec();
    });
}

void Form9::testopen()
{
    if (!m_store.exists())
        m_store.createFile();
}

void Form9::seekrec()
{
    Numbrecords = qint16(m_store.count());
}

void Form9::getrec()
{
    const TitledText topic = m_store.read(position);
    Text2->setText(topic.title);
    // Plain text: the sizes and colours of the last topic shown do not carry over.
    RichTextBox1->setPlainText(topic.body);
}

void Form9::putrec2()
{
    m_store.write(position, {Text2->text(), RichTextBox1->toPlainText()});
}

void Form9::removelist()
{
    const QSignalBlocker blocker(List1);
    List1->clear();
}

void Form9::showlist()
{
    seekrec();
    SavePos = position;
    {
        const QSignalBlocker blocker(List1);
        List1->addItems(m_store.titles());
        // The topic in hand stays selected and shown, so that the next "Save" stores the
        // topic the boxes show under its own number.
        List1->setCurrentRow(SavePos - 1);
    }
    position = SavePos;
    if (position >= 1 && position <= List1->count())
        getrec();
}

void Form9::List1_Click()
{
    const int row = List1->currentRow();
    if (row < 0)
        return;
    position = qint16(row + 1);
    guarded(this, [this] { getrec(); });
}

void Form9::Save_Click()
{
    guarded(this, [this] {
        putrec2();
        seekrec();
        removelist();
        showlist();
    });
}

void Form9::Command2_Click()
{
    guarded(this, [this] {
        seekrec();
        position = qint16(Numbrecords + 1);
        getrec();
    });
    const QSignalBlocker blocker(List1);
    List1->setCurrentRow(-1);
}

void Form9::setSelectionSize(int points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    RichTextBox1->mergeCurrentCharFormat(format);
}

void Form9::Command1_Click()
{
    // The button says 8; the size it gives is the box's usual 10 points.
    setSelectionSize(DefaultPoints);
}

void Form9::Command3_Click()
{
    setSelectionSize(14);
}

void Form9::Command4_Click()
{
    // A cancelled dialog keeps its previous colour, which is applied all the same.
    dialogs().color(this, m_dialogColor);
    RichTextBox1->setTextColor(m_dialogColor);
}

void Form9::Command5_Click()
{
    printAfterAsking(this, QStringLiteral("Help"), RichTextBox1->toPlainText());
}
