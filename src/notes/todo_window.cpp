#include "todo_window.h"

#include "platform/accessible_names.h"
#include "platform/placed_controls.h"
#include "platform/print_text.h"

#include "platform/common_messages.h"
#include "platform/dialogs.h"
#include "platform/field_box.h"
#include "platform/file_guard.h"
#include "platform/focus_watcher.h"
#include "platform/twips.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// This window reads config.dat with a longer record; the fields are where every reader has them.
constexpr int ConfigLength = 2078;
constexpr int IndexRole = Qt::UserRole;

// The two pictures of the outline: a folder for the root and categories, a sheet for the
// sub-categories. Any other number shows no picture.
QIcon nodeImage(int img)
{
    if (img != 1 && img != 2)
        return QIcon();
    QPixmap pixmap(13, 13);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    if (img == 1) {
        painter.setBrush(QColor(255, 255, 0));
        painter.drawRect(0, 3, 12, 9);
        painter.drawRect(0, 1, 5, 2);
    } else {
        painter.setBrush(Qt::white);
        painter.drawRect(2, 0, 8, 12);
        painter.drawLine(4, 3, 8, 3);
        painter.drawLine(4, 6, 8, 6);
        painter.drawLine(4, 9, 8, 9);
    }
    return QIcon(pixmap);
}

} // namespace

Todo::Todo(QWidget *parent) : Form(parent)
{
    setObjectName(QStringLiteral("Todo"));
    setWindowTitle(QStringLiteral("Todo "));
    resizeTwips(this, 9615, 6900);

    Text2 = buttonStrip(this, "Text2", 0, 4680, 9615, 615);

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    nameForRole(TreeView1, QStringLiteral("Categories"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    setTwipsGeometry(TreeView1, 120, 600, 3015, 3855);

    Label1 = new QLabel(QStringLiteral("Selected"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // Label and box a little wider apart than the classic small font needed, so "Selected"
    // shows whole; the box still ends with the outline.
    setTwipsGeometry(Label1, 120, 240, 840, 255);
    Text1 = twipsControl<QLineEdit>(this, QStringLiteral("Text1"), 960, 240, 2175, 285);
    nameAfterLabel(Text1, Label1);
    limitToField(Text1, TreeRecord::LabelWidth);

    Text3 = new QPlainTextEdit(this);
    Text3->setObjectName(QStringLiteral("Text3"));
    nameForRole(Text3, QStringLiteral("Note"));
    Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTwipsGeometry(Text3, 3480, 240, 6015, 4215);
    limitToField(Text3, TreeRecord::NoteWidth);

    Command3 = placedButton(this, "Command3", QStringLiteral("Save It !"), 360, 4800, 1815, 375);
    Command5 = placedButton(this, "Command5", QStringLiteral("Cancel"), 2280, 4800, 855, 375);
    // The middle buttons take part of the gap before "Print", so their captions show whole.
    Command2 =
        placedButton(this, "Command2", QStringLiteral("Add Category"), 3240, 4800, 1395, 375);
    Command1 =
        placedButton(this, "Command1", QStringLiteral("Add Sub Category"), 4740, 4800, 1800, 375);
    Command6 = placedButton(this, "Command6", QStringLiteral("Edit Label"), 6645, 4800, 1095, 375);
    Command4 = placedButton(this, "Command4", QStringLiteral("Print"), 8520, 4800, 855, 375);
    Command7 = placedButton(this, "Command7", QStringLiteral("Delete"), 120, 6000, 975, 375);
    Command8 = placedButton(this, "Command8", QStringLiteral("Color"), 1200, 6000, 1095, 375);

    connect(TreeView1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { TreeView1_NodeClick(item); });
    // Moving through the outline with the keys selects as a click does.
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (item && TreeView1->hasFocus())
            TreeView1_NodeClick(item);
    });
    connect(TreeView1, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem *item) { TreeView1_Collapse(item); });
    FocusWatcher::onFocusIn(TreeView1, [this] { TreeView1_GotFocus(); });
    FocusWatcher::onFocusIn(Text3, [this] { Text3_GotFocus(); });
    FocusWatcher::onFocusOut(Text3, [this] { Text3_LostFocus(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void Todo::Form_Load()
{
    // Labels change only through "Edit Label", never in the tree itself.
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    selectit = 0;
    Text3->setEnabled(false);
    Command3->setEnabled(false);
    Command5->setEnabled(false);
    Command5->hide();
    Text1->clear();
    guarded(this, [this] {
        getconfig();
        showmyfonts();
    });
    StartIndex = 1;
    setimage();
    position = 1;
    guarded(this, [this] {
        testopen();
        position = 1;
        getrec();
        showall();
    });
}

void Todo::Form_Activate()
{
    guarded(this, [this] {
        getconfig();
        showmyfonts();
    });
}

void Todo::testopen()
{
    if (!m_store.exists())
        m_store.createFile();
}

void Todo::seekrec()
{
    Numbrecords = qint16(m_store.count());
}

TreeRecord Todo::current() const
{
    TreeRecord record;
    record.RecNo = position;
    record.treeindex = treeindex;
    record.treekind = treekind;
    record.Key = Key;
    record.Textimg = Textimg;
    record.Img = Img;
    record.Note = Note;
    record.HideShow = HideShow;
    return record;
}

void Todo::setCurrent(const TreeRecord &record)
{
    treeindex = record.treeindex;
    treekind = record.treekind;
    Key = record.Key;
    Textimg = record.Textimg;
    Img = record.Img;
    Note = record.Note;
    HideShow = record.HideShow;
}

void Todo::getrec()
{
    setCurrent(m_store.read(position));
}

void Todo::putrec()
{
    m_store.write(position, current());
}

QTreeWidgetItem *Todo::node(int index) const
{
    return m_nodes.value(index, nullptr);
}

int Todo::indexOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, IndexRole).toInt() : 0;
}

QTreeWidgetItem *Todo::showNode(int index, const TreeRecord &record, QTreeWidgetItem *under)
{
    auto *item = under ? new QTreeWidgetItem(under) : new QTreeWidgetItem(TreeView1);
    item->setText(0, record.Textimg);
    item->setIcon(0, nodeImage(record.Img)); // also the picture of the node when expanded
    item->setData(0, IndexRole, index);
    m_nodes.insert(index, item);
    return item;
}

void Todo::showtree()
{
    if (m_nodes.contains(position))
        return;
    const TreeRecord record = current();
    QTreeWidgetItem *under = nullptr;
    if (record.isSubCategory()) {
        under = node(treeindex);
        if (!under)
            under = node(1);
    }
    showNode(position, record, under);
}

void Todo::showall()
{
    seekrec();
    const QList<TreeRecord> nodes = m_store.readAll();
    const QList<int> parents = TreeOutline::parents(nodes);
    // The nodes under each node, in the order they are stored; index 0 holds the top level.
    QList<QList<int>> below(nodes.size() + 1);
    for (int i = 0; i < parents.size(); ++i) {
        if (parents.at(i) != TreeOutline::Hidden)
            below[parents.at(i)].append(i + 1);
    }
    // Level by level, so that a parent is in the tree before its children however the file
    // orders them. Nothing is written: a node shown elsewhere keeps its record as stored.
    QList<int> pending = below.at(TreeOutline::Top);
    for (qsizetype next = 0; next < pending.size(); ++next) {
        const int index = pending.at(next);
        const int parent = parents.at(index - 1);
        showNode(index, nodes.at(index - 1), parent == TreeOutline::Top ? nullptr : node(parent));
        pending.append(below.at(index));
    }
}

void Todo::setimage()
{
    TreeView1->setIconSize(QSize(13, 13));
    TreeView1->setRootIsDecorated(true);
    TreeView1->setItemsExpandable(true);
}

void Todo::getconfig()
{
    m_dialogFont = ConfiguredFont::read(ConfigLength);
}

void Todo::showmyfonts()
{
    // The font name is carried but not applied here.
    m_dialogFont.applySize(Text3);
    m_dialogFont.applyBold(Text1);
    m_dialogFont.applyBold(Text3);
}

void Todo::TreeView1_NodeClick(QTreeWidgetItem *item)
{
    if (!item)
        return;
    StartIndex = qint16(indexOf(item));
    position = StartIndex;
    if (!guarded(this, [this] { getrec(); }))
        return;
    QPalette palette = Text1->palette();
    palette.setColor(QPalette::Text, QColor(255, 0, 0));
    Text1->setPalette(palette);
    showStoredText(Text1, item->text(0));
    isparent = item->parent() ? item->parent()->text(0) : QString();
    Command3->setEnabled(true);
    Text3->setPlainText(Note);
    selectit = 1;
}

void Todo::TreeView1_Collapse(QTreeWidgetItem *item)
{
    showStoredText(Text1, item->text(0));
}

void Todo::TreeView1_GotFocus()
{
    Text3->setEnabled(true);
}

void Todo::Text3_GotFocus()
{
    saveindex = StartIndex;
    for (QWidget *w : {static_cast<QWidget *>(TreeView1), static_cast<QWidget *>(Command1),
                       static_cast<QWidget *>(Command2), static_cast<QWidget *>(Command6),
                       static_cast<QWidget *>(Command4)})
        w->setEnabled(false);
    Command5->setEnabled(true);
    Command5->show();
    Text3->setEnabled(true);
    Command3->setText(QStringLiteral("Click Here to Save"));
}

void Todo::Text3_LostFocus()
{
    TreeView1->setEnabled(true);
}

void Todo::browse()
{
    for (QWidget *w : {static_cast<QWidget *>(TreeView1), static_cast<QWidget *>(Command1),
                       static_cast<QWidget *>(Command2), static_cast<QWidget *>(Command6),
                       static_cast<QWidget *>(Command4), static_cast<QWidget *>(Text3)})
        w->setEnabled(true);
    Command5->setEnabled(false);
    Command5->hide();
    Command3->setText(QStringLiteral("Save It!"));
}

void Todo::Command3_Click()
{
    if (Text1->text().trimmed().isEmpty()) {
        tell(this, QStringLiteral("Cannot Save Blank Nodes !!!"));
        return;
    }
    const bool saved = guarded(this, [this] {
        position = StartIndex;
        getrec();
        Note = boxText(Text3);
        // The label of the node being saved; one deleted meanwhile keeps its stored label.
        if (const QTreeWidgetItem *item = node(StartIndex))
            Textimg = item->text(0);
        putrec();
    });
    // A failed save stays in the editing state with the note as typed.
    if (saved)
        browse();
}

void Todo::Command5_Click()
{
    browse();
    if (guarded(this, [this] { getrec(); }))
        Text3->setPlainText(Note);
}

void Todo::addNode(const QString &prompt, const QString &title, const QString &keyLetter,
                   const QString &kind, qint16 parentIndex, qint16 image)
{
    const QString answer = dialogs().input(this, prompt, title, QString(), TreeRecord::LabelWidth);
    if (answer.isEmpty())
        return;
    Textimg = answer;
    guarded(this, [&] {
        seekrec();
        position = qint16(Numbrecords + 1);
        Key = keyLetter + QString::number(position);
        treekind = kind;
        treeindex = parentIndex > 0 ? parentIndex : position;
        Note.clear();
        Img = image;
        HideShow = 0; // a new node is never a deleted one
        putrec();
        showtree();
    });
    // A new sub-category is shown, not folded away under its parent.
    if (QTreeWidgetItem *parentNode = node(parentIndex))
        parentNode->setExpanded(true);
    const QTreeWidgetItem *selected = TreeView1->currentItem();
    showStoredText(Text1, selected ? selected->text(0) : QString());
}

void Todo::Command2_Click()
{
    addNode(QStringLiteral("Enter Category Name to Add"), QStringLiteral("Category Name"),
            QStringLiteral("p"), QStringLiteral("0"), 0, 1);
}

void Todo::Command1_Click()
{
    // The parent is the selected node; one deleted meanwhile can take no children.
    if (!node(StartIndex))
        return;
    addNode(QStringLiteral("Enter Sub Category Name to Add"), QStringLiteral("Sub Category Name"),
            QStringLiteral("c"), QStringLiteral("4"), StartIndex, 2);
}

void Todo::Command6_Click()
{
    if (selectit == 0) {
        tell(this, QStringLiteral("Item Not Selected"));
        return;
    }
    const QString answer =
        dialogs().input(this, QStringLiteral("Edit Label"), QStringLiteral("New Label Name"),
                        Text1->text(), TreeRecord::LabelWidth);
    if (answer.isEmpty())
        return;
    const bool saved = guarded(this, [&] {
        position = StartIndex;
        getrec();
        Note = boxText(Text3); // an unsaved note goes with the new label
        Textimg = answer;
        putrec();
    });
    if (!saved)
        return;
    if (QTreeWidgetItem *item = node(StartIndex))
        item->setText(0, answer);
    showStoredText(Text1, answer);
    TreeView1->viewport()->update();
}

void Todo::removeNode(QTreeWidgetItem *item)
{
    QList<QTreeWidgetItem *> pending{item};
    while (!pending.isEmpty()) {
        QTreeWidgetItem *next = pending.takeLast();
        const int index = indexOf(next);
        m_nodes.remove(index);
        for (int i = 0; i < next->childCount(); ++i)
            pending.append(next->child(i));
    }
    delete item;
}

void Todo::Command7_Click()
{
    const bool read = guarded(this, [this] {
        position = StartIndex;
        getrec();
    });
    // Only sub-categories are deleted, so only they are asked about; the root never is.
    if (!read || position == 1 || !current().isSubCategory() || !confirmDelete(this))
        return;
    guarded(this, [this] {
        // The record keeps its place, marked.
        HideShow = 1;
        putrec();
        QTreeWidgetItem *item = node(position);
        if (!item)
            return;
        QTreeWidgetItem *parentNode = item->parent();
        removeNode(item);
        // The parent takes over the selection and the boxes, so a save writes to it and never
        // into the deleted record.
        TreeView1->setCurrentItem(parentNode);
        TreeView1_NodeClick(parentNode);
    });
}

void Todo::Command8_Click()
{
    if (confirmDelete(this))
        Text3->clear();
}

void Todo::Command4_Click()
{
    printAfterAsking(this, QStringLiteral("Todo"), boxText(Text3));
}
