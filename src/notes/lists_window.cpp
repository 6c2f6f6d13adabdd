#include "lists_window.h"

#include "list_store.h"
#include "platform/accessible_names.h"
#include "platform/placed_controls.h"
#include "platform/print_text.h"

#include "platform/common_messages.h"
#include "platform/dialogs.h"
#include "platform/field_box.h"
#include "platform/file_guard.h"
#include "platform/focus_watcher.h"
#include "platform/twips.h"
#include "settings/configured_font.h"
#include "settings/preference_files.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

Form6::Form6(QWidget *parent) : TitledTextForm(ListStore(), parent), m_dialogFont(font())
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("LISTS"));
    resizeTwips(this, 9615, 5700);

    // The strip goes first so the buttons lie on it.
    Text4 = buttonStrip(this, "Text4", 0, 4680, 9495, 615);

    Frame1 = twipsControl<QGroupBox>(this, QStringLiteral("Frame1"), 120, 0, 2535, 4575);
    Text1 = twipsControl<QLineEdit>(Frame1, QStringLiteral("Text1"), 120, 240, 2295, 285);
    List1 = twipsControl<QListWidget>(Frame1, QStringLiteral("List1"), 120, 600, 2295, 3765);
    nameForRole(Text1, QStringLiteral("List name"));
    nameForRole(List1, QStringLiteral("List names"));

    Frame2 = twipsControl<QGroupBox>(this, QStringLiteral("Frame2"), 2760, 0, 6735, 4575);
    Text2 = new QPlainTextEdit(Frame2);
    nameForRole(Text2, QStringLiteral("List body"));
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTwipsGeometry(Text2, 120, 240, 6495, 4095);
    limitToField(Text2, ListStore::BodyWidth);

    Command1 = placedButton(this, "Command1", QStringLiteral("Save It !"), 360, 4800, 1695, 375);
    Command3 = placedButton(this, "Command3", QStringLiteral("Delete"), 3000, 4800, 1095, 375);
    Command4 = placedButton(this, "Command4", QStringLiteral("Add"), 4320, 4800, 1095, 375);
    // "Print" and "Fonts" side by side, both inside the window.
    Command2 = placedButton(this, "Command2", QStringLiteral("Print"), 7080, 4800, 975, 375);
    Fonts = placedButton(this, "Fonts", QStringLiteral("Fonts"), 8280, 4800, 975, 375);

    setTextControls(List1, Text1);
    FocusWatcher::onFocusOut(Text1, [this] { Text1_LostFocus(); });
    FocusWatcher::onFocusOut(Text2, [this] { Text2_LostFocus(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Fonts, &QPushButton::clicked, this, [this] { Fonts_Click(); });
}

void Form6::Form_Load()
{
    position = 1; // a failed load still leaves the boxes on the first list
    guarded(this, [this] {
        getconfig();
        showmyfonts();
        testopen();
        seekrec();
        position = 1;
        showlist();
        position = 1;
        getrec();
    });
}

void Form6::Form_Activate()
{
    guarded(this, [this] {
        getconfig();
        showmyfonts();
    });
}

QString Form6::bodyText() const
{
    return boxText(Text2);
}

void Form6::setBodyText(const QString &text)
{
    Text2->setPlainText(text);
}

void Form6::getconfig()
{
    m_dialogFont = ConfiguredFont::read(ConfigRecord::Length).appliedTo(m_dialogFont);
}

void Form6::showmyfonts()
{
    const ConfiguredFont font = ConfiguredFont::fromFont(m_dialogFont);
    font.applySize(Text2);
    for (QWidget *box : {static_cast<QWidget *>(Text1), static_cast<QWidget *>(Text2),
                         static_cast<QWidget *>(List1)})
        font.applyBold(box);
}

void Form6::Text1_LostFocus()
{
    guarded(this, [this] { putrec2(); });
}

void Form6::Text2_LostFocus()
{
    saveAndShowList();
}

void Form6::Command1_Click()
{
    saveAndShowList();
}

void Form6::Command3_Click()
{
    if (!confirmDelete(this))
        return;
    guarded(this, [this] {
        seekrec();
        SavePos = position;
        // Each later list moves up by one; the last record becomes blank.
        store().removeByShifting(position);
        position = SavePos;
        removelist();
        showlist();
    });
}

void Form6::Command4_Click()
{
    ++position;
    showUnlisted();
}

void Form6::Fonts_Click()
{
    // A cancelled dialog keeps its previous choice, which is stored all the same.
    dialogs().font(this, m_dialogFont);
    guarded(this, [this] {
        ConfiguredFont::fromFont(m_dialogFont).write(ConfigRecord::Length);
        getconfig();
        const ConfiguredFont font = ConfiguredFont::fromFont(m_dialogFont);
        for (QWidget *box : {static_cast<QWidget *>(Text1), static_cast<QWidget *>(Text2),
                             static_cast<QWidget *>(List1)}) {
            font.applySize(box);
            font.applyBold(box);
        }
    });
}

void Form6::Command2_Click()
{
    printAfterAsking(this, QStringLiteral("LISTS"), boxText(Text2));
}
