#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A CUPS scheduler of the test's own: cupsd with its configuration, spool and socket in a
// temporary folder. While it lives, the program's print calls and the queue commands go to it;
// when it cannot run they reach no print system at all, so no test prints on the machine's own
// printers.
class PrintServer
{
public:
    PrintServer();
    ~PrintServer();
    PrintServer(const PrintServer &) = delete;
    PrintServer &operator=(const PrintServer &) = delete;

    // Empty while the scheduler runs; else why it does not, for the test to skip with.
    QString problem() const { return m_problem; }

    // A queue of a printer whose default paper is the one named ("A4" or "Letter"), accepting
    // jobs and keeping them in the spool, never printed.
    bool addQueue(const QString &name, const QString &defaultPaper);
    bool makeDefault(const QString &name);
    bool rejectJobs(const QString &name);

    // The document of every job the queues hold, in the order they came.
    QStringList spooledDocuments() const;

private:
    bool command(const QString &program, const QStringList &arguments);
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_problem;
};
