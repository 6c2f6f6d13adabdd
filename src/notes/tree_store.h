#pragma once

#include "platform/record_file.h"

#include <QList>
#include <QString>

// One node of the to-do outline, a record of tree.dat.
struct TreeRecord
{
    static constexpr int Length = 1628;
    static constexpr int KindWidth = 40, KeyWidth = 40, LabelWidth = 40, NoteWidth = 1500;

    qint16 RecNo = 0;
    qint16 treeindex = 0; // a child's parent record; a top-level node's own number, 0 for the root
    QString treekind;     // "0" top-level, "4" child of treeindex
    QString Key;          // "r", "p<n>" or "c<n>"
    QString Textimg;      // the label
    qint16 Img = 0;       // 1 root and categories, 2 sub-categories
    QString Note;         // lines separated by "\n"
    qint16 HideShow = 0;  // 1 once deleted

    static constexpr int TopLevel = 0, Child = 4; // the relationship codes written

    // The relationship code as a number: its leading digits, 0 when there are none.
    int kind() const;
    // Any node not at the top level is a sub-category, whatever its code says.
    bool isSubCategory() const { return kind() != TopLevel; }
};

namespace TreeOutline {

constexpr int Top = 0, Hidden = -1;

// Where the outline shows each node of records 1 .. n (given in order): the record number of
// the node it goes under, Top, or Hidden. Record 1, the root, is always at the top. A
// sub-category goes under its parent wherever that is stored, and under the root when the
// parent is not a record of the file or the node lies on a loop of parents. A deleted node
// (HideShow 1) is hidden, and so is all that goes under it.
QList<int> parents(const QList<TreeRecord> &nodes);

} // namespace TreeOutline

// tree.dat: the to-do outline, one record a node, record 1 the root. Text fields come back
// without their blank padding; the note's line breaks are kept as carriage return + line feed.
class TreeStore
{
public:
    TreeStore();

    bool exists() const { return m_file.exists(); }
    int count() const { return m_file.count(); }

    // A new file holding the root "Todo List".
    void createFile() const;
    // Record n; past the end a record of empty fields.
    TreeRecord read(int n) const;
    // Records 1 .. count(), in one pass over the file.
    QList<TreeRecord> readAll() const;
    // Writes record n with n as its number; texts too long for their fields are cut.
    void write(int n, const TreeRecord &node) const;

    static TreeRecord root();

private:
    RecordFile m_file;
};
