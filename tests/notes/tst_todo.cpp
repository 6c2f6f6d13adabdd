#include "notes/todo_window.h"

#include "cut_captions.h"
#include "frame.h"
#include "notes_support.h"
#include "scripted_dialogs.h"
#include "typing.h"
#include "work_dir.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr int Length = 1628;

using Outline = QList<QPair<int, int>>;

QByteArray node(qint16 number, qint16 index, const QByteArray &kind, const QByteArray &key,
                const QByteArray &label, qint16 img, const QByteArray &note = QByteArray(),
                qint16 hideShow = 0)
{
    return le16(number) + le16(index) + padded(kind, 40) + padded(key, 40) + padded(label, 40) +
           le16(img) + padded(note, 1500) + le16(hideShow);
}

const QByteArray Root = node(1, 0, "0", "r", "Todo List", 1);

QByteArray recordOf(const QByteArray &file, int n)
{
    return recordAt(file, n, Length);
}

// Record numbers of the nodes in the outline, each with its parent's (0 at the top).
Outline outline(QTreeWidget *tree)
{
    Outline nodes;
    QList<QTreeWidgetItem *> pending;
    for (int i = tree->topLevelItemCount() - 1; i >= 0; --i)
        pending.append(tree->topLevelItem(i));
    while (!pending.isEmpty()) {
        QTreeWidgetItem *item = pending.takeLast();
        nodes.append({Todo::indexOf(item), Todo::indexOf(item->parent())});
        for (int i = item->childCount() - 1; i >= 0; --i)
            pending.append(item->child(i));
    }
    return nodes;
}

void clickNode(Todo &w, int index)
{
    QTreeWidgetItem *item = w.node(index);
    QVERIFY(item);
    auto *tree = control<QTreeWidget>(&w, "TreeView1");
    for (QTreeWidgetItem *parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    const QRect rect = tree->visualItemRect(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(w.StartIndex, qint16(index));
}

} // namespace

class TestTodo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshFileHoldsTheRoot();
    void addCategoryAppendsATopLevelNode();
    void subCategoryGoesUnderTheSelectedNode();
    void deleteAsksThenSelectsTheParent();
    void deletedNodesKeepTheirRecordNumbers();
    void deletedNodesStayAwayWhenOpened();
    void onlySubCategoriesAreDeleted();
    void oddNodesAreDeletedAsSubCategories();
    void brokenLinksAreShown_data();
    void brokenLinksAreShown();
    void lostNodeIsSavedInItsOwnRecord();
    void editingSavesOrCancelsTheNote();
    void blankLabelIsNotSaved();
    void editLabelNeedsASelection();
    void editLabelStoresLabelAndNote();
    void colorClearsTheNoteBox();
    void printPrintsTheNote();
    void captionsAreShownWhole();
    void openedFromTheToolbarOneClickStartsEditing();
    void typingAtTheEndOfAStoredNoteKeepsIt();

private:
    ScriptedDialogs *m_dialogs = nullptr;
};

void TestTodo::init()
{
    m_dialogs = new ScriptedDialogs;
}

void TestTodo::cleanup()
{
    QCOMPARE(m_dialogs->pending(), 0);
    delete m_dialogs;
}

void TestTodo::freshFileHoldsTheRoot()
{
    WorkDir dir;
    Todo w;
    w.show();
    QCOMPARE(w.windowTitle(), u"Todo "_s);
    QCOMPARE(dir.read(u"tree.dat"_s), Root);
    QCOMPARE(outline(control<QTreeWidget>(&w, "TreeView1")), (Outline{{1, 0}}));
    QCOMPARE(w.node(1)->text(0), u"Todo List"_s);
    QVERIFY(!control<QPushButton>(&w, "Command5")->isVisible());
    QVERIFY(!control<QPushButton>(&w, "Command3")->isEnabled());
    QVERIFY(!control<QPlainTextEdit>(&w, "Text3")->isEnabled());
    QCOMPARE(w.StartIndex, qint16(1));
    QCOMPARE(w.selectit, qint16(0));
}

void TestTodo::addCategoryAppendsATopLevelNode()
{
    WorkDir dir;
    const QByteArray before =
        Root + node(2, 2, "0", "p2", "Work", 1) + node(3, 2, "4", "c3", "Call", 2, "", 1);
    dir.write(u"tree.dat"_s, before);
    Todo w;
    w.show();

    m_dialogs->answerInput(QString()); // cancelled: nothing written
    control<QPushButton>(&w, "Command2")->click();
    QCOMPARE(dir.read(u"tree.dat"_s), before);

    w.getrec(); // the last record read was deleted; the new node is not
    m_dialogs->answerInput(u"Home"_s);
    control<QPushButton>(&w, "Command2")->click();
    QCOMPARE(m_dialogs->lastAsked().prompt, u"Enter Category Name to Add"_s);
    QCOMPARE(m_dialogs->lastAsked().title, u"Category Name"_s);
    const QByteArray after = dir.read(u"tree.dat"_s);
    QCOMPARE(after.size(), 4 * Length);
    QCOMPARE(recordOf(after, 4), node(4, 4, "0", "p4", "Home", 1));
    QCOMPARE(outline(control<QTreeWidget>(&w, "TreeView1")), (Outline{{1, 0}, {2, 0}, {4, 0}}));
}

void TestTodo::subCategoryGoesUnderTheSelectedNode()
{
    WorkDir dir;
    dir.write(u"tree.dat"_s, Root + node(2, 2, "0", "p2", "Work", 1) +
                                 node(3, 2, "4", "c3", "Call", 2) +
                                 node(4, 4, "0", "p4", "Home", 1, "garden"));
    Todo w;
    w.show();
    clickNode(w, 4);
    QCOMPARE(control<QPlainTextEdit>(&w, "Text3")->toPlainText(), u"garden"_s);
    QCOMPARE(control<QLineEdit>(&w, "Text1")->text(), u"Home"_s);
    QVERIFY(w.isparent.isEmpty());

    m_dialogs->answerInput(u"Mow"_s);
    control<QPushButton>(&w, "Command1")->click();
    QCOMPARE(m_dialogs->lastAsked().prompt, u"Enter Sub Category Name to Add"_s);
    QCOMPARE(m_dialogs->lastAsked().title, u"Sub Category Name"_s);
    QCOMPARE(recordOf(dir.read(u"tree.dat"_s), 5), node(5, 4, "4", "c5", "Mow", 2));
    QCOMPARE(w.node(5)->parent(), w.node(4));
    QVERIFY(w.node(4)->isExpanded());
    clickNode(w, 5);
    QCOMPARE(w.isparent, u"Home"_s);
}

void TestTodo::deleteAsksThenSelectsTheParent()
{
    WorkDir dir;
    const QByteArray before =
        Root + node(2, 2, "0", "p2", "Work", 1, "two") + node(3, 2, "4", "c3", "Call", 2, "three");
    dir.write(u"tree.dat"_s, before);
    Todo w;
    w.show();
    auto *tree = control<QTreeWidget>(&w, "TreeView1");
    auto *text3 = control<QPlainTextEdit>(&w, "Text3");
    clickNode(w, 3);

    m_dialogs->answerMessage(Dialogs::Answer::No, u"Delete ?"_s);
    control<QPushButton>(&w, "Command7")->click();
    QCOMPARE(m_dialogs->pending(), 0); // asked
    const Dialogs::Message &asked = m_dialogs->lastAsked().message;
    QCOMPARE(asked.title, u"Delete"_s);
    QCOMPARE(asked.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(asked.defaultButton, 2);
    QCOMPARE(dir.read(u"tree.dat"_s), before);
    QCOMPARE(outline(tree), (Outline{{1, 0}, {2, 0}, {3, 2}}));

    m_dialogs->answerMessage(Dialogs::Answer::Yes, u"Delete ?"_s);
    control<QPushButton>(&w, "Command7")->click();
    QCOMPARE(outline(tree), (Outline{{1, 0}, {2, 0}}));
    // The parent is selected and shown, so the next save goes to it.
    QCOMPARE(tree->currentItem(), w.node(2));
    QCOMPARE(w.StartIndex, qint16(2));
    QCOMPARE(control<QLineEdit>(&w, "Text1")->text(), u"Work"_s);
    QCOMPARE(text3->toPlainText(), u"two"_s);
    text3->setPlainText(u"two, and more"_s);
    control<QPushButton>(&w, "Command3")->click();
    QCOMPARE(dir.read(u"tree.dat"_s), Root + node(2, 2, "0", "p2", "Work", 1, "two, and more") +
                                          node(3, 2, "4", "c3", "Call", 2, "three", 1));
}

void TestTodo::deletedNodesKeepTheirRecordNumbers()
{
    WorkDir dir;
    dir.write(u"tree.dat"_s, Root + node(2, 2, "0", "p2", "Work", 1) +
                                 node(3, 2, "4", "c3", "Call", 2, "three") +
                                 node(4, 2, "4", "c4", "Mail", 2, "four"));
    Todo w;
    w.show();
    auto *tree = control<QTreeWidget>(&w, "TreeView1");
    clickNode(w, 3);
    m_dialogs->answerMessage(Dialogs::Answer::Yes, u"Delete ?"_s);
    control<QPushButton>(&w, "Command7")->click();
    QCOMPARE(recordOf(dir.read(u"tree.dat"_s), 3), node(3, 2, "4", "c3", "Call", 2, "three", 1));
    QCOMPARE(outline(tree), (Outline{{1, 0}, {2, 0}, {4, 2}}));

    // The node after it still reads its own record and takes children by its own number.
    clickNode(w, 4);
    QCOMPARE(control<QPlainTextEdit>(&w, "Text3")->toPlainText(), u"four"_s);
    m_dialogs->answerInput(u"Stamps"_s);
    control<QPushButton>(&w, "Command1")->click();
    QCOMPARE(recordOf(dir.read(u"tree.dat"_s), 5), node(5, 4, "4", "c5", "Stamps", 2));
    QCOMPARE(outline(tree), (Outline{{1, 0}, {2, 0}, {4, 2}, {5, 4}}));

    // Opened again, the deleted node stays away and the others keep their places.
    Todo again;
    again.show();
    QCOMPARE(outline(control<QTreeWidget>(&again, "TreeView1")),
             (Outline{{1, 0}, {2, 0}, {4, 2}, {5, 4}}));
}

void TestTodo::deletedNodesStayAwayWhenOpened()
{
    WorkDir dir;
    dir.write(u"tree.dat"_s, Root + node(2, 2, "0", "p2", "Work", 1) +
                                 node(3, 2, "4", "c3", "Call", 2, "three", 1) +
                                 node(4, 3, "4", "c4", "Below", 2, "four") +
                                 node(5, 2, "4", "c5", "Mail", 2, "five"));
    Todo w;
    w.show();
    auto *tree = control<QTreeWidget>(&w, "TreeView1");
    // Neither the deleted node nor its child is shown; the node after them reads its own
    // record and takes children under its own number.
    QCOMPARE(outline(tree), (Outline{{1, 0}, {2, 0}, {5, 2}}));
    clickNode(w, 5);
    QCOMPARE(control<QLineEdit>(&w, "Text1")->text(), u"Mail"_s);
    QCOMPARE(control<QPlainTextEdit>(&w, "Text3")->toPlainText(), u"five"_s);
    m_dialogs->answerInput(u"Stamps"_s);
    control<QPushButton>(&w, "Command1")->click();
    QCOMPARE(recordOf(dir.read(u"tree.dat"_s), 6), node(6, 5, "4", "c6", "Stamps", 2));
    QCOMPARE(outline(tree), (Outline{{1, 0}, {2, 0}, {5, 2}, {6, 5}}));
}

void TestTodo::onlySubCategoriesAreDeleted()
{
    WorkDir dir;
    const QByteArray before = Root + node(2, 2, "0", "p2", "Work", 1);
    dir.write(u"tree.dat"_s, before);
    Todo w;
    w.show();
    for (int index : {1, 2}) {
        clickNode(w, index);
        control<QPushButton>(&w, "Command7")->click();
        QVERIFY(w.node(index));
    }
    QCOMPARE(dir.read(u"tree.dat"_s), before);
}

void TestTodo::oddNodesAreDeletedAsSubCategories()
{
    WorkDir dir;
    const QByteArray root = node(1, 1, "4", "r", "Todo List", 1);
    const QByteArray work = node(2, 2, "0", "p2", "Work", 1);
    dir.write(u"tree.dat"_s, root + work + node(3, 2, "7", "x3", "Odd", 1));
    Todo w;
    w.show();
    clickNode(w, 1); // the root, whatever its code, is never deleted
    control<QPushButton>(&w, "Command7")->click();
    QVERIFY(w.node(1));
    clickNode(w, 3);
    m_dialogs->answerMessage(Dialogs::Answer::Yes, u"Delete ?"_s);
    control<QPushButton>(&w, "Command7")->click();
    QCOMPARE(dir.read(u"tree.dat"_s), root + work + node(3, 2, "7", "x3", "Odd", 1, "", 1));
    QCOMPARE(outline(control<QTreeWidget>(&w, "TreeView1")), (Outline{{1, 0}, {2, 0}}));
}

void TestTodo::brokenLinksAreShown_data()
{
    QTest::addColumn<QByteArray>("records"); // the whole of tree.dat
    QTest::addColumn<Outline>("shown");
    const QByteArray work = node(2, 2, "0", "p2", "Work", 1);
    QTest::newRow("parent past the end")
        << Root + work + node(3, 9, "4", "c3", "Lost", 2) + node(4, 2, "4", "c4", "Kept", 2)
        << Outline{{1, 0}, {3, 1}, {2, 0}, {4, 2}};
    QTest::newRow("no parent") << Root + work + node(3, 0, "4", "c3", "Zero", 2)
                               << Outline{{1, 0}, {3, 1}, {2, 0}};
    QTest::newRow("negative parent")
        << Root + work + node(3, -7, "4", "c3", "Below", 2) << Outline{{1, 0}, {3, 1}, {2, 0}};
    QTest::newRow("own parent") << Root + work + node(3, 3, "4", "c3", "Self", 2)
                                << Outline{{1, 0}, {3, 1}, {2, 0}};
    QTest::newRow("parents of each other")
        << Root + work + node(3, 4, "4", "c3", "A", 2) + node(4, 3, "4", "c4", "B", 2)
        << Outline{{1, 0}, {3, 1}, {4, 1}, {2, 0}};
    // The nodes on the loop go under the root; one hanging from the loop stays where it is.
    QTest::newRow("loop of three with a branch")
        << Root + work + node(3, 5, "4", "c3", "A", 2) + node(4, 3, "4", "c4", "B", 2) +
               node(5, 4, "4", "c5", "C", 2) + node(6, 4, "4", "c6", "Leaf", 2)
        << Outline{{1, 0}, {3, 1}, {4, 1}, {6, 4}, {5, 1}, {2, 0}};
    QTest::newRow("child of a lost node")
        << Root + work + node(3, 9, "4", "c3", "Lost", 2) + node(4, 3, "4", "c4", "Below", 2)
        << Outline{{1, 0}, {3, 1}, {4, 3}, {2, 0}};
    QTest::newRow("child stored before its parent")
        << Root + node(2, 3, "4", "c2", "Early", 2) + node(3, 3, "0", "p3", "Work", 1)
        << Outline{{1, 0}, {3, 0}, {2, 3}};
    QTest::newRow("chain stored backwards")
        << Root + node(2, 3, "4", "c2", "Leaf", 2) + node(3, 4, "4", "c3", "Middle", 2) +
               node(4, 4, "0", "p4", "Work", 1)
        << Outline{{1, 0}, {4, 0}, {3, 4}, {2, 3}};
    QTest::newRow("unknown kind") << Root + work + node(3, 2, "7", "x3", "Odd", 1) +
                                         node(4, 3, "4", "c4", "Below", 2)
                                  << Outline{{1, 0}, {2, 0}, {3, 2}, {4, 3}};
    QTest::newRow("unknown kind, lost parent")
        << Root + work + node(3, 9, "44", "x3", "Odd", 1) << Outline{{1, 0}, {3, 1}, {2, 0}};
    QTest::newRow("same key twice")
        << Root + work + node(3, 3, "0", "p2", "Twin", 1) << Outline{{1, 0}, {2, 0}, {3, 0}};
    QTest::newRow("wrong record number")
        << Root + work + node(2, 2, "0", "p3", "Home", 1) << Outline{{1, 0}, {2, 0}, {3, 0}};
    QTest::newRow("root with a child's code")
        << node(1, 5, "4", "r", "Todo List", 1) + work + node(3, 1, "4", "c3", "Call", 2)
        << Outline{{1, 0}, {3, 1}, {2, 0}};
    // Deleted nodes, and all that is shown below them, stay hidden.
    QTest::newRow("deleted lost node")
        << Root + work + node(3, 9, "4", "c3", "Lost", 2, "", 1) + node(4, 3, "4", "c4", "Below", 2)
        << Outline{{1, 0}, {2, 0}};
    QTest::newRow("deleted parent stored later")
        << Root + work + node(3, 4, "4", "c3", "Below", 2) + node(4, 2, "4", "c4", "Gone", 2, "", 1)
        << Outline{{1, 0}, {2, 0}};
    QTest::newRow("deleted node on a loop")
        << Root + work + node(3, 4, "4", "c3", "Gone", 2, "", 1) + node(4, 3, "4", "c4", "B", 2)
        << Outline{{1, 0}, {4, 1}, {2, 0}};
}

void TestTodo::brokenLinksAreShown()
{
    QFETCH(QByteArray, records);
    QFETCH(Outline, shown);
    WorkDir dir;
    dir.write(u"tree.dat"_s, records);
    Todo w;
    w.show();
    QCOMPARE(outline(control<QTreeWidget>(&w, "TreeView1")), shown);
    // Each node shows its own record's label.
    for (const auto &[index, parent] : shown)
        QCOMPARE(w.node(index)->text(0), TreeStore().read(index).Textimg);
    QVERIFY(m_dialogs->asked().isEmpty());
    QCOMPARE(dir.read(u"tree.dat"_s), records);
}

void TestTodo::lostNodeIsSavedInItsOwnRecord()
{
    WorkDir dir;
    const QByteArray work = node(2, 2, "0", "p2", "Work", 1);
    dir.write(u"tree.dat"_s, Root + work + node(3, 3, "4", "c3", "Self", 2, "old"));
    Todo w;
    w.show();
    clickNode(w, 3);
    QCOMPARE(control<QPlainTextEdit>(&w, "Text3")->toPlainText(), u"old"_s);
    control<QPlainTextEdit>(&w, "Text3")->setPlainText(u"new"_s);
    control<QPushButton>(&w, "Command3")->click();
    // The note is saved; its link stays as it was, so only what the user changed is written.
    QCOMPARE(dir.read(u"tree.dat"_s), Root + work + node(3, 3, "4", "c3", "Self", 2, "new"));

    // A sub-category added to it goes under it, by its record number.
    m_dialogs->answerInput(u"Next"_s);
    control<QPushButton>(&w, "Command1")->click();
    QCOMPARE(recordOf(dir.read(u"tree.dat"_s), 4), node(4, 3, "4", "c4", "Next", 2));
    QCOMPARE(outline(control<QTreeWidget>(&w, "TreeView1")),
             (Outline{{1, 0}, {3, 1}, {4, 3}, {2, 0}}));
}

void TestTodo::editingSavesOrCancelsTheNote()
{
    WorkDir dir;
    dir.write(u"tree.dat"_s, Root + node(2, 2, "0", "p2", "Work", 1, "old"));
    Todo w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto *tree = control<QTreeWidget>(&w, "TreeView1");
    auto *text3 = control<QPlainTextEdit>(&w, "Text3");
    auto *save = control<QPushButton>(&w, "Command3");
    auto *cancel = control<QPushButton>(&w, "Command5");
    clickNode(w, 2);
    QVERIFY(text3->isEnabled()); // the outline had the focus

    // Typing and cancelling restores the stored note.
    QTest::mouseClick(text3->viewport(), Qt::LeftButton);
    QCOMPARE(save->text(), u"Click Here to Save"_s);
    QVERIFY(!tree->isEnabled());
    QVERIFY(cancel->isVisible() && cancel->isEnabled());
    QVERIFY(!control<QPushButton>(&w, "Command2")->isEnabled());
    QTest::keyClicks(text3, u"xyz"_s);
    QTest::mouseClick(cancel, Qt::LeftButton);
    QCOMPARE(text3->toPlainText(), u"old"_s);
    QCOMPARE(save->text(), u"Save It!"_s);
    QVERIFY(!cancel->isVisible());
    QCOMPARE(recordOf(dir.read(u"tree.dat"_s), 2), node(2, 2, "0", "p2", "Work", 1, "old"));

    // Typing and saving stores the note with the node's label.
    QTest::mouseClick(text3->viewport(), Qt::LeftButton);
    text3->selectAll();
    QTest::keyClicks(text3, u"new"_s);
    QTest::keyClick(text3, Qt::Key_Return);
    QTest::keyClicks(text3, u"line"_s);
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(recordOf(dir.read(u"tree.dat"_s), 2), node(2, 2, "0", "p2", "Work", 1, "new\r\nline"));
    QCOMPARE(save->text(), u"Save It!"_s);
    QVERIFY(tree->isEnabled());
    QVERIFY(!cancel->isVisible());
}

void TestTodo::blankLabelIsNotSaved()
{
    WorkDir dir;
    const QByteArray before = Root + node(2, 2, "0", "p2", "", 1, "note");
    dir.write(u"tree.dat"_s, before);
    Todo w;
    w.show();
    clickNode(w, 2);
    control<QPlainTextEdit>(&w, "Text3")->setPlainText(u"changed"_s);
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"Cannot Save Blank Nodes !!!"_s);
    control<QPushButton>(&w, "Command3")->click();
    QCOMPARE(dir.read(u"tree.dat"_s), before);
}

void TestTodo::editLabelNeedsASelection()
{
    WorkDir dir;
    Todo w;
    w.show();
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"Item Not Selected"_s);
    control<QPushButton>(&w, "Command6")->click();
    QCOMPARE(dir.read(u"tree.dat"_s), Root);
}

void TestTodo::editLabelStoresLabelAndNote()
{
    WorkDir dir;
    dir.write(u"tree.dat"_s, Root + node(2, 2, "0", "p2", "Work", 1, "old"));
    Todo w;
    w.show();
    clickNode(w, 2);
    // An unsaved note goes with the new label; neither box takes more than its field.
    control<QPlainTextEdit>(&w, "Text3")->setPlainText(QString(1600, u'n'));
    QCOMPARE(control<QPlainTextEdit>(&w, "Text3")->toPlainText(), QString(1500, u'n'));
    m_dialogs->answerInput(QString(45, u'L'));
    control<QPushButton>(&w, "Command6")->click();
    QCOMPARE(m_dialogs->lastAsked().prompt, u"Edit Label"_s);
    QCOMPARE(m_dialogs->lastAsked().title, u"New Label Name"_s);
    QCOMPARE(m_dialogs->lastAsked().defaultText, u"Work"_s);
    QCOMPARE(recordOf(dir.read(u"tree.dat"_s), 2),
             node(2, 2, "0", "p2", QByteArray(40, 'L'), 1, QByteArray(1500, 'n')));
    QCOMPARE(m_dialogs->lastAsked().fieldWidth, 40);
    QCOMPARE(w.node(2)->text(0), QString(40, u'L'));
    QCOMPARE(control<QLineEdit>(&w, "Text1")->text(), QString(40, u'L'));
}

void TestTodo::colorClearsTheNoteBox()
{
    WorkDir dir;
    const QByteArray before = Root + node(2, 2, "0", "p2", "Work", 1, "keep");
    dir.write(u"tree.dat"_s, before);
    Todo w;
    w.show();
    clickNode(w, 2);
    auto *text3 = control<QPlainTextEdit>(&w, "Text3");
    m_dialogs->answerMessage(Dialogs::Answer::No, u"Delete ?"_s);
    control<QPushButton>(&w, "Command8")->click();
    QCOMPARE(text3->toPlainText(), u"keep"_s);
    m_dialogs->answerMessage(Dialogs::Answer::Yes, u"Delete ?"_s);
    control<QPushButton>(&w, "Command8")->click();
    QVERIFY(text3->toPlainText().isEmpty());
    QCOMPARE(dir.read(u"tree.dat"_s), before);
}

void TestTodo::printPrintsTheNote()
{
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is not installed");
    WorkDir dir;
    dir.write(u"tree.dat"_s, Root + node(2, 2, "0", "p2", "Work", 1, "buy paint\r\nfix door"));
    Todo w;
    w.show();
    clickNode(w, 2);
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"      Do you want Print Now ?"_s);
    const QString text = printedText([&] { control<QPushButton>(&w, "Command4")->click(); });
    QVERIFY2(text.contains(u"buy paint"_s) && text.contains(u"fix door"_s), qPrintable(text));
    QVERIFY(!text.contains(u"Work"_s));
}

void TestTodo::captionsAreShownWhole()
{
    WorkDir dir;
    Todo w;
    w.show();
    QCOMPARE(cutCaptions(&w).join(u", "), QString());
    // The editing captions: "Click Here to Save" and the shown "Cancel".
    w.Text3_GotFocus();
    QCOMPARE(control<QPushButton>(&w, "Command3")->text(), u"Click Here to Save"_s);
    QCOMPARE(cutCaptions(&w).join(u", "), QString());
}

void TestTodo::openedFromTheToolbarOneClickStartsEditing()
{
    WorkDir dir;
    dir.write(u"tree.dat"_s, Root + node(2, 2, "0", "p2", "Work", 1, "old"));
    TestFrame frame;
    Todo *w = frame.openFromToolbar<Todo>("Todo");
    QVERIFY(w);
    // Loaded before the frame gave the outline its focus: the note box is ready.
    auto *note = control<QPlainTextEdit>(w, "Text3");
    QVERIFY(note->isEnabled());
    clickNode(*w, 2);
    QTest::mouseClick(note->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(note->hasFocus());
    QCOMPARE(control<QPushButton>(w, "Command3")->text(), u"Click Here to Save"_s);
}

void TestTodo::typingAtTheEndOfAStoredNoteKeepsIt()
{
    WorkDir dir;
    const QByteArray file = Root + node(2, 2, "0", "p2", "Work", 1, "ABC note");
    dir.write(u"tree.dat"_s, file);
    Todo w;
    w.show();
    QApplication::setActiveWindow(&w);
    clickNode(w, 2);
    typeAtEnd(control<QPlainTextEdit>(&w, "Text3"), u" and buy stamps"_s);
    control<QPushButton>(&w, "Command3")->click();
    QCOMPARE(dir.read(u"tree.dat"_s), withTypedAtEnd(file, Length + 126, 1500, " and buy stamps"));
}

QTEST_MAIN(TestTodo)
#include "tst_todo.moc"
