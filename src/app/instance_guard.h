#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

// One program a data folder: the first start holds a lock on the folder for as long as it runs
// (a lock left by a run that crashed is taken over), and a later start on the same folder asks
// the running one to come to the front instead of opening a second frame.
class InstanceGuard : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        First,      // this start holds the folder; run
        HandedOver, // the running program came to the front; end this start
        Failed,     // the folder is held but its program did not answer; why() says so
    };

    explicit InstanceGuard(const QString &folder, QObject *parent = nullptr);

    Outcome claim();
    QString why() const { return m_why; }

signals:
    // A later start on the same folder asks for the running program's frame.
    void frontRequested();

private:
    bool askTheRunningOne();
    void answer();

    QString m_folder;
    QString m_serverName;
    QLockFile m_lock;
    QLocalServer m_server;
    QString m_why;
};
