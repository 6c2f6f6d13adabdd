// Runs a store's crash-loop actions in the current folder and kills itself, as the system kills
// a program, at the given step of its writes: arguments store, actions, step (0: none). Prints
// each action's number once it is done, and at the end the number of steps taken.
#include "crash_ops.h"

#include "platform/os_file.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return 2;
    const int stopAt = args.at(3).toInt();
    int steps = 0;
    WriteFaults::setHook([&steps, stopAt](WriteFaults::Step) {
        if (++steps == stopAt)
            std::raise(SIGKILL);
    });
    CrashOps::run(args.at(1), args.at(2).toInt(), [](int done) {
        std::printf("done %d\n", done);
        std::fflush(stdout);
    });
    std::printf("steps %d\n", steps);
    return 0;
}
