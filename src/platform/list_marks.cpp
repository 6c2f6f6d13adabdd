#include "list_marks.h"

#include <QListWidget>
#include <QSignalBlocker>

void markRow(QListWidget *list, int row)
{
    const QSignalBlocker blocker(list);
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
    } else {
        list->setCurrentRow(-1);
        list->clearSelection();
    }
}
