// Start of the program to its main window shown, and its peak resident memory, each as a ratio to
// a bare Qt main window program, measured in one run. Goal: at most 1.3x the time, 1.5x the memory.
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Sample
{
    double msecs = 0;
    long peakKiB = 0;
};

Sample runOnce(const char *program)
{
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        // Qt's start-up chatter is not ours to show.
        if (!std::freopen("/dev/null", "w", stderr))
            _exit(126);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not run\n", program);
        std::exit(1);
    }
    return {double(timer.nsecsElapsed()) / 1e6, usage.ru_maxrss};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    // The program keeps its data files in the user's data folder, here below the work folder.
    setenv("XDG_DATA_HOME", qPrintable(work.path()), 1);
    runOnce(VELMORA_PROBE); // the first start creates them; later starts read them
    runOnce(BARE_PROBE);

    std::vector<double> ourTime, bareTime, ourPeak, barePeak;
    for (int i = 0; i < runs; ++i) { // interleaved, so both see the same machine
        const Sample ours = runOnce(VELMORA_PROBE);
        const Sample bare = runOnce(BARE_PROBE);
        ourTime.push_back(ours.msecs);
        bareTime.push_back(bare.msecs);
        ourPeak.push_back(double(ours.peakKiB));
        barePeak.push_back(double(bare.peakKiB));
    }
    const double timeRatio = median(ourTime) / median(bareTime);
    const double peakRatio = median(ourPeak) / median(barePeak);
    std::printf("start-up time: velmora %.1f ms, bare Qt %.1f ms, ratio %.2f (goal <= 1.30)\n",
                median(ourTime), median(bareTime), timeRatio);
    std::printf("peak RSS:      velmora %.0f KiB, bare Qt %.0f KiB, ratio %.2f (goal <= 1.50)\n",
                median(ourPeak), median(barePeak), peakRatio);
    return 0;
}
