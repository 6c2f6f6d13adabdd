#include "keyboard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QWidget>

#include <algorithm>

namespace {

// Runs a handler for the keys pressed in a widget, before the widget's own step (a Tab is the
// window's to move the focus with, otherwise).
class KeyHandler : public QObject
{
public:
    KeyHandler(QWidget *widget, std::function<bool(int key)> handler)
        : QObject(widget), m_handler(std::move(handler))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            // Shift is part of Backtab; any other modifier makes another key.
            Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
            if (key->key() == Qt::Key_Backtab)
                modifiers &= ~Qt::ShiftModifier;
            if (modifiers == Qt::NoModifier && m_handler(key->key()))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(int key)> m_handler;
};

// Two controls whose edges overlap by no more than this still count as side by side: placing
// by twips rounds each edge on its own.
constexpr int OverlapPixels = 3;

struct Block
{
    QWidget *widget;
    QRect rect; // in the coordinates of the widget whose children are being ordered
};

bool takesTab(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

bool holdsStops(const QWidget *widget)
{
    const QList<QWidget *> inside = widget->findChildren<QWidget *>();
    return std::any_of(inside.cbegin(), inside.cend(),
                       [](const QWidget *child) { return !child->isWindow() && takesTab(child); });
}

// The children of parent that are stops or hold stops, as laid out now. A hidden control
// counts where it was placed by hand, which gives it its place while hidden; a layout gives a
// hidden control none.
QList<Block> blocksOf(const QWidget *parent)
{
    QList<Block> blocks;
    const bool placedByHand = parent->layout() == nullptr;
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || (child->isHidden() && !placedByHand))
            continue;
        if (takesTab(child) || holdsStops(child))
            blocks.append({child, child->geometry()});
    }
    return blocks;
}

// Splits the blocks where no block crosses a line across them: rows (horizontal) or columns.
QList<QList<Block>> split(QList<Block> blocks, bool rows)
{
    const auto start = [rows](const Block &b) { return rows ? b.rect.top() : b.rect.left(); };
    const auto end = [rows](const Block &b) {
        return rows ? b.rect.bottom() + 1 : b.rect.right() + 1;
    };
    std::stable_sort(blocks.begin(), blocks.end(),
                     [&start](const Block &a, const Block &b) { return start(a) < start(b); });
    QList<QList<Block>> groups;
    int groupEnd = 0;
    for (const Block &block : std::as_const(blocks)) {
        if (groups.isEmpty() || start(block) > groupEnd - OverlapPixels) {
            groups.append({block});
            groupEnd = end(block);
        } else {
            groups.last().append(block);
            groupEnd = qMax(groupEnd, end(block));
        }
    }
    return groups;
}

// Columns next to each other whose controls stand in common rows (boxes over the lists they
// head) are read together, row by row.
QList<QList<Block>> joinAlignedColumns(const QList<QList<Block>> &columns)
{
    QList<QList<Block>> joined{columns.first()};
    for (qsizetype i = 1; i < columns.size(); ++i) {
        const QList<Block> both = joined.last() + columns.at(i);
        if (split(both, true).size() > 1)
            joined.last() = both;
        else
            joined.append(columns.at(i));
    }
    return joined;
}

void appendInReadingOrder(const QList<Block> &blocks, QList<QWidget *> &chain);

void appendBlock(const Block &block, QList<QWidget *> &chain)
{
    if (takesTab(block.widget))
        chain.append(block.widget);
    else
        appendInReadingOrder(blocksOf(block.widget), chain);
}

void appendInReadingOrder(const QList<Block> &blocks, QList<QWidget *> &chain)
{
    if (blocks.size() == 1) {
        appendBlock(blocks.first(), chain);
        return;
    }
    for (const bool rows : {true, false}) {
        const QList<QList<Block>> groups = split(blocks, rows);
        if (groups.size() < 2)
            continue;
        for (const QList<Block> &group : rows ? groups : joinAlignedColumns(groups))
            appendInReadingOrder(group, chain);
        return;
    }
    // Overlapping blocks: top left first, then in the order they were made.
    QList<Block> sorted = blocks;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Block &a, const Block &b) {
        return a.rect.top() != b.rect.top() ? a.rect.top() < b.rect.top()
                                            : a.rect.left() < b.rect.left();
    });
    for (const Block &block : std::as_const(sorted))
        appendBlock(block, chain);
}

} // namespace

void setTabChain(const QList<QWidget *> &chain)
{
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

void orderTabsByReading(QWidget *window)
{
    if (QLayout *layout = window->layout())
        layout->activate();
    QList<QWidget *> chain;
    appendInReadingOrder(blocksOf(window), chain);
    setTabChain(chain);
}

void onKeys(QWidget *widget, std::function<bool(int key)> handler)
{
    new KeyHandler(widget, std::move(handler));
}

void onKey(QWidget *widget, int key, std::function<bool()> handler)
{
    onKeys(widget, [key, handler = std::move(handler)](int pressed) {
        return pressed == key && handler();
    });
}

void onReturnKey(QWidget *widget, std::function<void()> handler)
{
    onKeys(widget, [handler = std::move(handler)](int pressed) {
        if (pressed != Qt::Key_Return && pressed != Qt::Key_Enter)
            return false;
        handler();
        return true;
    });
}
