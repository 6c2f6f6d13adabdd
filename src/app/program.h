#pragma once

struct CommandLine;

// The program from a read command line: chooses the data folder, claims it, shows the frame and
// runs until the last window closes. Returns the exit status; an application object exists.
int runProgram(const CommandLine &line);
