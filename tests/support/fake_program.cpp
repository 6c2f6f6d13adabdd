#include "fake_program.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int DeadlineMs = 20000;

QString shellQuoted(const QString &text)
{
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

} // namespace

FakeProgram::FakeProgram(const QString &path, Run run)
    : m_path(path), m_pipe(m_pipeDir.filePath(QStringLiteral("arguments")))
{
    mkfifo(QFile::encodeName(m_pipe).constData(), 0600);
    openReader();
    QFile script(path);
    if (script.open(QIODevice::WriteOnly)) {
        script.write("#!/bin/sh\n");
        // Ready for the signal before the arguments tell the test that it runs; "wait" returns
        // at once when a signal comes, unlike a command running in the foreground.
        if (run == Run::UntilStopped)
            script.write("for last; do :; done\n"
                         ": > \"$last\"\n"
                         "sleep 120 & pause=$!\n"
                         "trap 'kill $pause; printf complete > \"$last\"; exit 0' INT TERM\n");
        // Each argument ends in a zero byte, so blanks and line breaks inside one are kept.
        script.write("{ [ $# -eq 0 ] || printf '%s\\0' \"$@\"; } > " +
                     shellQuoted(m_pipe).toUtf8() + "\n");
        if (run == Run::UntilStopped)
            script.write("wait $pause\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner | QFile::ExeUser);
    }
}

FakeProgram::~FakeProgram()
{
    if (m_reader >= 0)
        ::close(m_reader);
}

void FakeProgram::openReader()
{
    // Open before any run, so a run never waits for a reader: its arguments wait in the pipe.
    m_reader = ::open(QFile::encodeName(m_pipe).constData(), O_RDONLY | O_NONBLOCK);
}

std::optional<QStringList> FakeProgram::nextArguments()
{
    if (m_reader < 0)
        return std::nullopt;
    QByteArray received;
    bool ended = false;
    const QDeadlineTimer deadline(DeadlineMs);
    while (!ended && !deadline.hasExpired()) {
        pollfd watch{m_reader, POLLIN, 0};
        const int ready = ::poll(&watch, 1, int(deadline.remainingTime()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        char buffer[4096];
        const ssize_t n = ::read(m_reader, buffer, sizeof buffer);
        if (n > 0)
            received.append(buffer, n);
        // The pipe reports its hang-up only after a writer has come and gone.
        else if (watch.revents & POLLHUP)
            ended = true;
    }
    // A fresh reader waits for the next run; the old one would report the hang-up at once.
    ::close(m_reader);
    openReader();
    if (!ended)
        return std::nullopt;
    QStringList arguments;
    qsizetype start = 0;
    for (qsizetype end = received.indexOf('\0'); end >= 0; end = received.indexOf('\0', start)) {
        arguments.append(QString::fromUtf8(received.mid(start, end - start)));
        start = end + 1;
    }
    return arguments;
}

void makeExecutables(const QString &dir, const QStringList &names)
{
    for (const QString &name : names) {
        QFile file(dir + u'/' + name);
        if (file.open(QIODevice::WriteOnly))
            file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(file.permissions() | QFile::ExeOwner);
    }
}
