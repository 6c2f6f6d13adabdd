// Processor time the dialer takes while it waits for a modem that never answers, as a share of
// one core over the wait. Goal: well under one core (at most 0.05).
#include "contacts/dialer_window.h"

#include "pty_pair.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>

namespace {

double cpuMsecs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto msecs = [](const timeval &t) { return double(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
    return msecs(usage.ru_utime) + msecs(usage.ru_stime);
}

} // namespace

int main(int argc, char *argv[])
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 3;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    QFile setup(QStringLiteral("setup.dat"));
    if (!setup.open(QIODevice::WriteOnly) || setup.write(QByteArray(116, '\0')) != 116)
        return 1;
    setup.close();

    // The modem's end stays unread: nothing ever answers.
    PtyPair pty(work.path(), QStringLiteral("com1"), QStringLiteral("modem"));
    if (!pty.isReady()) {
        std::fprintf(stderr, "%s\n", qPrintable(pty.errorText()));
        return 1;
    }

    Form11 dialer;
    dialer.show();
    dialer.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("5551234"));
    auto *cancel = dialer.findChild<QPushButton *>(QStringLiteral("CancelButton"));

    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuMsecs();
    QTimer::singleShot(seconds * 1000, cancel, &QPushButton::click);
    dialer.findChild<QPushButton *>(QStringLiteral("Dial"))->click();
    const double cpu = cpuMsecs() - cpuBefore;
    const double elapsed = double(wall.nsecsElapsed()) / 1e6;

    std::printf("waiting for OK: %.0f ms of processor time in %.0f ms, %.3f of a core "
                "(goal <= 0.05)\n",
                cpu, elapsed, cpu / elapsed);
    return 0;
}
