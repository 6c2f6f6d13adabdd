#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// A program for the program under test to start: a small shell script that hands the arguments
// it was given back through a named pipe. Reading them waits for the script itself, not for a
// time; when the script never runs, the read gives up after a generous deadline.
class FakeProgram
{
public:
    enum class Run {
        // Hands its arguments back and ends.
        Briefly,
        // Hands its arguments back, creates the file its last argument names and runs until
        // it is sent SIGINT or SIGTERM; then it writes "complete" into that file and ends, as
        // a recorder completes its recording.
        UntilStopped
    };

    // Writes the executable script at path.
    explicit FakeProgram(const QString &path, Run run = Run::Briefly);
    ~FakeProgram();
    FakeProgram(const FakeProgram &) = delete;
    FakeProgram &operator=(const FakeProgram &) = delete;

    QString path() const { return m_path; }

    // The arguments of the next run, each exactly as received; nothing when it did not run.
    std::optional<QStringList> nextArguments();

private:
    void openReader();

    QString m_path;
    QTemporaryDir m_pipeDir;
    QString m_pipe;
    int m_reader = -1;
};

// Empty executables of these names in dir, for lookups of installed programs.
void makeExecutables(const QString &dir, const QStringList &names);
