#pragma once

#include <QString>

// Data files are addressed by their lower-case names in the working directory. A file that the
// disk keeps in another letter case (SETUP.DAT) is the same file: it is found and used, never
// replaced by a new empty one.
namespace DataFiles {

// The name under which the file exists on disk, or the name itself when there is none.
QString resolve(const QString &name);

// The existence test every window runs before creating its file with initial records.
bool exists(const QString &name);

} // namespace DataFiles
