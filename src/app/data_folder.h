#pragma once

#include <QString>

// The folder that holds the data files, chosen once at start; every data file keeps its bare
// name in it, as the working directory of the program.
namespace DataFolder {

// The folder given on the command line; else the folder started in when it already holds the
// program's data (setup.dat, in any letter case); else the user's data folder for the program,
// ~/.local/share/velmora.
QString choose(const QString &given, const QString &startedIn);

// Makes the folder (created when missing) the working directory. An empty text on success,
// else what failed, in plain words with the system's text and the path; nothing is written then.
QString use(const QString &folder);

} // namespace DataFolder
