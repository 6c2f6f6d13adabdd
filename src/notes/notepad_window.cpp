#include "notepad_window.h"

#include "help_store.h"
#include "platform/accessible_names.h"
#include "platform/placed_controls.h"
#include "platform/print_text.h"

#include "platform/dialogs.h"
#include "platform/field_box.h"
#include "platform/file_guard.h"
#include "platform/shipped_files.h"
#include "platform/twips.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

namespace {

constexpr int DefaultPoints = 10;

} // namespace

Form9::Form9(QWidget *parent) : TitledTextForm(HelpStore(), parent), m_dialogColor(Qt::black)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Help - Velmora  (32 bit)  Version 1.0"));
    resizeTwips(this, 7935, 5895);

    List1 = twipsControl<QListWidget>(this, QStringLiteral("List1"), 120, 120, 1935, 3765);
    nameForRole(List1, QStringLiteral("Topic titles"));
    Command5 = placedButton(this, "Command5", QStringLiteral("Print"), 120, 4080, 1935, 375);

    RichTextBox1 = new QTextEdit(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    nameForRole(RichTextBox1, QStringLiteral("Topic body"));
    RichTextBox1->setAcceptRichText(false); // pasted text takes the box's own formatting
    QFont bodyFont(QStringLiteral("MS Sans Serif"), DefaultPoints);
    bodyFont.setStyleHint(QFont::SansSerif);
    RichTextBox1->setFont(bodyFont);
    setTwipsGeometry(RichTextBox1, 2160, 120, 5535, 4335);
    limitToField(RichTextBox1, HelpStore::BodyWidth);

    Text2 = twipsControl<QLineEdit>(this, QStringLiteral("Text2"), 120, 5280, 1815, 285);
    nameForRole(Text2, QStringLiteral("Topic title"));
    Save = placedButton(this, "Save", QStringLiteral("Save"), 2160, 5280, 975, 375);
    Command4 = placedButton(this, "Command4", QStringLiteral("Color"), 3240, 5280, 975, 375);
    Command2 = placedButton(this, "Command2", QStringLiteral("Add"), 4320, 5280, 735, 375);
    Command1 = placedButton(this, "Command1", QStringLiteral("Font 8"), 5160, 5280, 735, 375);
    Command3 = placedButton(this, "Command3", QStringLiteral("Font 14"), 6000, 5280, 735, 375);

    setTextControls(List1, Text2);
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

void Form9::createFile()
{
    const QString shipped = ShippedFiles::path(store().fileName());
    if (shipped.isEmpty())
        TitledTextForm::createFile();
    else
        store().createFrom(shipped);
}

QString Form9::bodyText() const
{
    return boxText(RichTextBox1);
}

void Form9::setBodyText(const QString &text)
{
    showInDefaultFormat();
    // Plain text: the sizes and colours of the topic shown before do not carry over.
    RichTextBox1->setPlainText(text);
}

void Form9::showInDefaultFormat()
{
    // The box gives new plain text the format at its cursor, which would carry the size or
    // colour last chosen to every topic shown after it. A cursor at the start, without a
    // selection, takes the empty format instead.
    RichTextBox1->setTextCursor(QTextCursor(RichTextBox1->document()));
    RichTextBox1->setCurrentCharFormat(QTextCharFormat());
}

void Form9::Save_Click()
{
    saveAndShowList();
}

void Form9::Command2_Click()
{
    // The record after the last one reads as an empty topic; saving it adds it to the file.
    if (guarded(this, [this] { seekrec(); })) {
        position = qint16(Numbrecords + 1);
        showUnlisted();
    }
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
    printAfterAsking(this, QStringLiteral("Help"), boxText(RichTextBox1));
}
