#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. Without options the program runs as always.
struct CommandLine
{
    enum class Action { Run, ShowHelp, ShowVersion, Refuse, Export };

    Action action = Action::Run;
    QString dataFolder; // --data-dir, as given; empty when not given
    QString text;       // the help, the version, or why the line is refused with the usage

    // --export-ics and --export-vcf, as given: these files are written instead of running.
    QString calendarExport;
    QString contactsExport;

    // Reads the arguments, the program's name first. Needs no display and writes no file.
    static CommandLine parse(const QStringList &arguments);
};
