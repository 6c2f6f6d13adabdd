#include "crash_ops.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Child = QStringLiteral(STORE_CRASH_CHILD);
constexpr int MostKills = 48;

// The files of a folder and their bytes; the day's backup copies are not the store's files,
// and a file of no bytes is a missing one to the program.
QMap<QString, QByteArray> filesOf(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::ReadOnly) && file.size() > 0)
            files.insert(name, file.readAll());
    }
    return files;
}

struct Run
{
    int done = 0;  // actions finished
    int steps = 0; // write steps taken, when it ran to its end
    bool killed = false;
};

Run runChild(const QString &folder, const QString &store, int actions, int stopAt)
{
    QProcess child;
    child.setWorkingDirectory(folder);
    child.start(Child, {store, QString::number(actions), QString::number(stopAt)});
    child.waitForFinished(60000);
    Run run;
    run.killed = child.exitStatus() == QProcess::CrashExit;
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("done "))
            run.done = line.mid(5).toInt() + 1;
        else if (line.startsWith("steps "))
            run.steps = line.mid(6).toInt();
    }
    return run;
}

} // namespace

class TestCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedAnywhereLeavesAWholeState_data();
    void killedAnywhereLeavesAWholeState();
};

void TestCrash::killedAnywhereLeavesAWholeState_data()
{
    QTest::addColumn<QString>("store");
    for (const QString &store : CrashOps::stores())
        QTest::newRow(qPrintable(store)) << store;
}

void TestCrash::killedAnywhereLeavesAWholeState()
{
    QFETCH(QString, store);
    const int actions = CrashOps::actionCount(store);

    // The folder after each number of actions, run to the end.
    QList<QMap<QString, QByteArray>> after;
    int steps = 0;
    for (int n = 0; n <= actions; ++n) {
        QTemporaryDir folder;
        const Run run = runChild(folder.path(), store, n, 0);
        QVERIFY(!run.killed);
        after.append(filesOf(folder.path()));
        steps = run.steps;
    }
    QVERIFY(steps > 0);

    // Killed at step k, then used again: the folder is as one of the actions left it, the one
    // under way or the one before it, never between.
    const int stride = qMax(1, steps / MostKills);
    int kills = 0;
    for (int stopAt = 1; stopAt <= steps; stopAt += stride) {
        QTemporaryDir folder;
        const Run run = runChild(folder.path(), store, actions, stopAt);
        QVERIFY2(run.killed, qPrintable(u"step %1 of %2"_s.arg(stopAt).arg(steps)));
        ++kills;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        CrashOps::load(store);
        QDir::setCurrent(previous);
        QDir(folder.filePath(u"backups"_s)).removeRecursively();
        const QMap<QString, QByteArray> found = filesOf(folder.path());
        const bool whole =
            found == after.at(run.done) || (run.done < actions && found == after.at(run.done + 1));
        QVERIFY2(whole, qPrintable(u"killed at step %1 of %2, after %3 actions: %4"_s.arg(stopAt)
                                       .arg(steps)
                                       .arg(run.done)
                                       .arg(found.keys().join(u", "))));
    }
    qInfo("%s: %d kills over %d write steps", qPrintable(store), kills, steps);
}

QTEST_MAIN(TestCrash)
#include "tst_crash.moc"
