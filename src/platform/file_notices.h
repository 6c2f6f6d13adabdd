#pragma once

#include <QString>
#include <QStringList>

// What the file layer did on its own that the user must hear of (a damaged file kept aside).
// The user action that caused it shows the notes once it is done (file_guard.h).
namespace FileNotices {

void add(const QString &text);
// The notes since the last call, each once.
QStringList take();

} // namespace FileNotices
