#pragma once

#include <QString>
#include <QStringList>

// The files the program ships with (the help topics, the chime): beside the program in its build
// folder, or in ../share/velmora of the installed program.
namespace ShippedFiles {

// The shipped file of this name, or empty text when there is none.
QString path(const QString &name);

// Folders searched instead of the program's own (tests); an empty list searches those again.
void setFolders(const QStringList &folders);

} // namespace ShippedFiles
