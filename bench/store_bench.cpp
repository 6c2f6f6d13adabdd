// Day and month lookups of the appointment store against two ways of reading the same file:
// one sequential read, and a loop that opens, reads and closes it once a record.
#include "calendar/appointment_store.h"
#include "platform/record_file.h"

#include "bench_timing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int Records = 32767;
constexpr int Rounds = 5;

using BenchTiming::sequentialRead;

double timed(const std::function<void()> &work)
{
    return BenchTiming::bestOf(Rounds, work);
}

void fill(const QString &name, const std::function<Record(int n)> &recordFor)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(name));
    for (int n = 1; n <= Records; ++n)
        file.write(recordFor(n).bytes());
}

int recordLoop(const QString &name, int length)
{
    const RecordFile file(name, length);
    const int count = file.count();
    int nonZero = 0;
    for (int n = 2; n <= count; ++n)
        nonZero += file.read(n).isZero() ? 0 : 1;
    return nonZero;
}

void report(const char *what, double lookup, double sequential, double loop)
{
    std::printf("%-14s %9.1f ms   sequential read %8.1f ms (lookup %.2fx)   record loop %9.1f ms "
                "(%.1fx faster)\n",
                what, lookup, sequential, lookup / sequential, loop, loop / lookup);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());

    const auto day = [](int n) {
        if (n <= 2)
            return AppointmentRecord::placeholder(n);
        AppointmentRecord record;
        record.DayKey =
            QStringLiteral("%1/%2/%3").arg(n % 12 + 1).arg(n % 28 + 1).arg(1900 + n / 336);
        record.DayNote = QStringLiteral("note");
        record.RecNo = qint16(n);
        return record.toRecord();
    };
    const auto month = [](int n) {
        if (n <= 2)
            return MonthRecord::placeholder(n);
        MonthRecord record;
        record.MonthKey = QStringLiteral("%1/%2").arg(n % 12 + 1).arg(n);
        record.RecNo = qint16(n);
        return record.toRecord();
    };
    fill(AppointmentStore::dayFileName(), day);
    fill(AppointmentStore::monthFileName(), month);

    const AppointmentStore store;
    // Keys that no record holds: each lookup reads its whole file.
    const double dayLookup = timed([&] { store.findDay(u"2/30/1997"); });
    const double daySequential = timed([] { sequentialRead(AppointmentStore::dayFileName()); });
    const double dayLoop =
        timed([] { recordLoop(AppointmentStore::dayFileName(), AppointmentRecord::Length); });
    const double monthLookup = timed([&] { store.findMonth(u"13/1997"); });
    const double monthSequential = timed([] { sequentialRead(AppointmentStore::monthFileName()); });
    const double monthLoop =
        timed([] { recordLoop(AppointmentStore::monthFileName(), MonthRecord::Length); });

    std::printf("%d records a file; goal: lookup <= 3x the sequential read, >= 10x faster than "
                "the record loop\n",
                Records);
    report("day lookup", dayLookup, daySequential, dayLoop);
    report("month lookup", monthLookup, monthSequential, monthLoop);
    QDir::setCurrent(QDir::tempPath());
    return 0;
}
