#pragma once

#include <QString>
#include <QStringList>

class QProcess;

// Starting other programs. Never through a shell: a command line is split into the program and
// its arguments as a command line is (double quotes group words), so ";", "$(...)" or backquotes
// in a file name stay part of an argument.
namespace ProgramStart {

// The window modes a started program may be asked for.
enum class WindowMode {
    Hide = 0,
    Normal = 1,
    Minimized = 2,
    Maximized = 3,
    NormalNoFocus = 4,
    MinimizedNoFocus = 6
};

// Sets a process up as every started program is: in the working directory, reading nothing.
void setUp(QProcess &process, const QString &program, const QStringList &arguments);

// true when the program was started.
bool start(const QString &program, const QStringList &arguments, WindowMode mode);
bool startCommandLine(const QString &commandLine, WindowMode mode);

QStringList splitCommandLine(const QString &commandLine);

// The program and its arguments of a command line: the whole text, blanks trimmed, when it
// names an existing file (a path with blanks in it); otherwise the words of the command line.
QStringList commandWords(const QString &commandLine);

} // namespace ProgramStart
