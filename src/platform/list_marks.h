#pragma once

class QListWidget;

// Highlights the entry whose record the boxes show, without running the list's click step, so
// a save or delete acts on the entry the user sees marked. A row outside the list (a new entry
// not yet saved) marks none.
void markRow(QListWidget *list, int row);
