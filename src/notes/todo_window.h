#pragma once

#include "tree_store.h"

#include "platform/form.h"
#include "settings/configured_font.h"

#include <QHash>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The to-do outline of tree.dat: categories and sub-categories in a tree, the selected node's
// note beside it. Every node keeps the record number it was loaded from as its index; every
// node not deleted is shown, one whose parent is lost under the root (see TreeOutline).
class Todo : public Form
{
    Q_OBJECT

public:
    explicit Todo(QWidget *parent = nullptr);

    qint16 position = 0;
    qint16 Numbrecords = 0;
    qint16 StartIndex = 0;
    qint16 selectit = 0;
    qint16 saveindex = 0;
    QString isparent;
    // The fields of the record last read or about to be written.
    qint16 treeindex = 0;
    QString treekind;
    QString Key;
    QString Textimg;
    qint16 Img = 0;
    QString Note;
    qint16 HideShow = 0;

    void testopen();
    void seekrec();
    void getrec();
    void putrec();
    void showtree();
    void showall();
    void setimage();
    void getconfig();
    void showmyfonts();

    // The node loaded from record index, or nullptr when there is none in the tree.
    QTreeWidgetItem *node(int index) const;
    static int indexOf(const QTreeWidgetItem *item);

    void TreeView1_NodeClick(QTreeWidgetItem *item);
    void TreeView1_Collapse(QTreeWidgetItem *item);
    void TreeView1_GotFocus();
    void Text3_GotFocus();
    void Text3_LostFocus();
    void Command3_Click();
    void Command5_Click();
    void Command2_Click();
    void Command1_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command4_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    TreeRecord current() const;
    void setCurrent(const TreeRecord &record);
    QTreeWidgetItem *showNode(int index, const TreeRecord &record, QTreeWidgetItem *under);
    void addNode(const QString &prompt, const QString &title, const QString &keyLetter,
                 const QString &kind, qint16 parentIndex, qint16 image);
    void browse();
    void removeNode(QTreeWidgetItem *item);

    TreeStore m_store;
    ConfiguredFont m_dialogFont; // the font preferences as the font dialog holds them
    QHash<int, QTreeWidgetItem *> m_nodes;

    QTreeWidget *TreeView1;
    QLabel *Label1;
    QLineEdit *Text1;
    QPlainTextEdit *Text3;
    QLineEdit *Text2;
    QPushButton *Command3;
    QPushButton *Command5;
    QPushButton *Command2;
    QPushButton *Command1;
    QPushButton *Command6;
    QPushButton *Command4;
    QPushButton *Command7;
    QPushButton *Command8;
};
