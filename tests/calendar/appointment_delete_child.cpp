// Runs one day delete in the current directory and kills itself at the given step, as a
// program stopped by the system would stop: arguments step, day record, month record, cell.
#include "calendar/appointment_store.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    const int stopAt = args.at(1).toInt();
    AppointmentStore store;
    store.setDeleteStepHook([stopAt](AppointmentStore::DeleteStep step) {
        if (int(step) == stopAt)
            std::raise(SIGKILL);
    });
    store.deleteDay(args.at(2).toInt(), args.at(3).toInt(), args.at(4).toInt());
    return 0;
}
