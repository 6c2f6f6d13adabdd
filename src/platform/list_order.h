#pragma once

#include <QStringList>

// The order of a sorted list box: by the whole text, padding included, letter case ignored.
// Entries that compare equal keep the order in which they were added.
QStringList sortedAsListBox(const QStringList &entries);
