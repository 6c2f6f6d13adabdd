#include "tree_store.h"

#include "platform/record.h"

namespace {

constexpr int RecNoOffset = 0, IndexOffset = 2, KindOffset = 4, KeyOffset = 44, LabelOffset = 84,
              ImgOffset = 124, NoteOffset = 126, HideShowOffset = 1626;

TreeRecord fromRecord(const Record &r)
{
    TreeRecord node;
    node.RecNo = r.int16(RecNoOffset);
    node.treeindex = r.int16(IndexOffset);
    node.treekind = r.shownText(KindOffset, TreeRecord::KindWidth);
    node.Key = r.shownText(KeyOffset, TreeRecord::KeyWidth);
    node.Textimg = r.shownText(LabelOffset, TreeRecord::LabelWidth);
    node.Img = r.int16(ImgOffset);
    node.Note = r.shownText(NoteOffset, TreeRecord::NoteWidth);
    node.HideShow = r.int16(HideShowOffset);
    return node;
}

Record toRecord(int n, const TreeRecord &node)
{
    Record r(TreeRecord::Length);
    r.setInt16(RecNoOffset, qint16(n));
    r.setInt16(IndexOffset, node.treeindex);
    r.setText(KindOffset, TreeRecord::KindWidth, node.treekind);
    r.setText(KeyOffset, TreeRecord::KeyWidth, node.Key);
    r.setText(LabelOffset, TreeRecord::LabelWidth, node.Textimg);
    r.setInt16(ImgOffset, node.Img);
    r.setShownText(NoteOffset, TreeRecord::NoteWidth, node.Note);
    r.setInt16(HideShowOffset, node.HideShow);
    return r;
}

} // namespace

int TreeRecord::kind() const
{
    const QString text = treekind.trimmed();
    qsizetype digits = 0;
    while (digits < text.size() && text.at(digits).isDigit())
        ++digits;
    return digits == 0 ? 0 : text.left(qMin<qsizetype>(digits, 5)).toInt();
}

TreeStore::TreeStore() : m_file(QStringLiteral("tree.dat"), TreeRecord::Length) {}

TreeRecord TreeStore::root()
{
    TreeRecord node;
    node.treekind = QStringLiteral("0");
    node.Key = QStringLiteral("r");
    node.Textimg = QStringLiteral("Todo List");
    node.Img = 1;
    return node;
}

void TreeStore::createFile() const
{
    m_file.create({toRecord(1, root())});
}

TreeRecord TreeStore::read(int n) const
{
    return fromRecord(m_file.read(n));
}

QList<TreeRecord> TreeStore::readAll() const
{
    const int n = count();
    const QList<Record> records = m_file.readAll();
    QList<TreeRecord> nodes;
    nodes.reserve(n);
    for (int i = 0; i < n; ++i)
        nodes.append(fromRecord(records.at(i)));
    return nodes;
}

void TreeStore::write(int n, const TreeRecord &node) const
{
    m_file.write(n, toRecord(n, node));
}
