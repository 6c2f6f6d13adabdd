// `velmora --export-ics` on a full-size appoint.dat (32 767 records, every one a day of its own)
// against one sequential read of the same file. Two books: a busy one (three slot notes a day
// and a day note every fourth day) and a full one (every slot and every day note written).
// Beside them, one pass of the store over the file, decoding every record as the export does.
#include "calendar/appointment_records.h"
#include "calendar/appointment_store.h"

#include "bench_timing.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int Records = 32767;
constexpr int Rounds = 3;

const QString Program = QStringLiteral(VELMORA_PROGRAM);

using BenchTiming::sequentialRead;

double timed(const std::function<void()> &work)
{
    return BenchTiming::bestOf(Rounds, work);
}

void writeBook(const QString &name, int slotsADay, int dayNoteEvery)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(name));
    file.write(AppointmentRecord::placeholder(1).bytes());
    file.write(AppointmentRecord::placeholder(2).bytes());
    const QDate first(1980, 1, 1);
    for (int n = 3; n <= Records; ++n) {
        AppointmentRecord day;
        day.RecNo = qint16(n);
        const QDate date = first.addDays(n);
        day.DayKey = QString::number(date.month()) + u'/' + QString::number(date.day()) + u'/' +
                     QString::number(date.year());
        for (int k = 0; k < slotsADay; ++k)
            day.SlotNote[k * 24 / slotsADay] =
                QStringLiteral("Meeting %1 with M\u00fcller, room 4; bring %2 \u20ac")
                    .arg(k)
                    .arg(n);
        if (n % dayNoteEvery == 0)
            day.DayNote =
                QStringLiteral("Notes for the day, with commas, semicolons; and \u20ac\r\n")
                    .repeated(4);
        file.write(day.toRecord().bytes());
    }
}

void exportCalendar(const QString &folder, const QString &target)
{
    QProcess process;
    process.start(Program,
                  {QStringLiteral("--data-dir"), folder, QStringLiteral("--export-ics"), target});
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
        qFatal("the export failed: %s", process.readAllStandardError().constData());
}

void bench(const char *what, int slotsADay, int dayNoteEvery)
{
    QTemporaryDir dir;
    const QString book = QDir(dir.path()).filePath(QStringLiteral("appoint.dat"));
    const QString target = QDir(dir.path()).filePath(QStringLiteral("out.ics"));
    writeBook(book, slotsADay, dayNoteEvery);
    sequentialRead(book); // both measured with the file in the cache
    const double read = timed([&] { sequentialRead(book); });
    QDir::setCurrent(dir.path());
    const double decoded = timed(
        [] { AppointmentStore().scanDays([](int, const AppointmentRecord &) { return true; }); });
    const double exported = timed([&] { exportCalendar(dir.path(), target); });
    std::printf("%-4s appoint.dat %5.1f MB: sequential read %5.1f ms, store pass %6.1f ms, "
                "--export-ics %7.1f ms (%.1fx the read, %.1fx the store pass), %5.1f MB written\n",
                what, QFileInfo(book).size() / 1e6, read, decoded, exported, exported / read,
                exported / decoded, QFileInfo(target).size() / 1e6);
    QDir::setCurrent(QDir::tempPath());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bench("busy", 3, 4);
    bench("full", 24, 1);
    return 0;
}
