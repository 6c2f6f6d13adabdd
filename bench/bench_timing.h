#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <algorithm>
#include <functional>

// What the benchmarks measure with and against.
namespace BenchTiming {

// The best of a few rounds, in milliseconds.
inline double bestOf(int rounds, const std::function<void()> &work)
{
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

// The file read from start to end in large pieces, as fast as reading it can be; the bytes read.
inline qint64 sequentialRead(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(name));
    QByteArray chunk(256 * 1024, '\0');
    qint64 total = 0;
    for (qint64 got; (got = file.read(chunk.data(), chunk.size())) > 0;)
        total += got;
    return total;
}

} // namespace BenchTiming
