#pragma once

struct CommandLine;

// The export the command line asks for, with no display and no frame: reads the data folder
// the program would use and writes the files named, as the menu's "Export..." does. Says what it
// wrote on standard output; returns 0, or 1 after saying why on standard error.
int runExport(const CommandLine &line);
