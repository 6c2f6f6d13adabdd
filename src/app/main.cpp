#include "command_line.h"
#include "export_run.h"
#include "program.h"

#include "shell/program_icon.h"

#include <QApplication>
#ifdef VELMORA_QUIT_WHEN_SHOWN
#include <QTimer>
#endif

#include <cstdio>

int main(int argc, char *argv[])
{
    // The user's data folder is ~/.local/share/velmora, after the name in lower case.
    QCoreApplication::setApplicationName(QStringLiteral("velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));

    // Read before the toolkit starts, so --help and --version need no display.
    const CommandLine line = [&] {
        const QCoreApplication reader(argc, argv);
        return CommandLine::parse(QCoreApplication::arguments());
    }();
    switch (line.action) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        std::fputs(qPrintable(line.text), stdout);
        return 0;
    case CommandLine::Action::Refuse:
        std::fputs(qPrintable(line.text), stderr);
        return 2;
    case CommandLine::Action::Export: {
        const QCoreApplication app(argc, argv);
        return runExport(line);
    }
    case CommandLine::Action::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setWindowIcon(programIcon());
    // The desktop entry and icon the desktop shows for the program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
#ifdef VELMORA_QUIT_WHEN_SHOWN
    // The start-up benchmark's build: leave as soon as the frame has been shown.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
#endif
    return runProgram(line);
}
