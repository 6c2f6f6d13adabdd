#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/program.h"

#include "scripted_dialogs.h"
#include "work_dir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CommandLine::Action)

namespace {

const QString Program = QStringLiteral(VELMORA_PROGRAM);

// The program started as a user starts it: from a folder, with a home of its own and no
// display unless asked for one.
class Start
{
public:
    Start(const QString &home, const QString &folder, const QStringList &arguments,
          bool display = true)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_s, home);
        environment.remove(u"XDG_DATA_HOME"_s);
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        if (display)
            environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        else
            environment.remove(u"QT_QPA_PLATFORM"_s);
        m_process.setProcessEnvironment(environment);
        m_process.setWorkingDirectory(folder);
        m_process.start(Program, arguments);
    }
    ~Start()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    QProcess &process() { return m_process; }
    // The exit status of a program that ends by itself; -1 when it runs on or crashed.
    int finished()
    {
        if (!m_process.waitForFinished(20000) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }
    // Ends it as a crash would: nothing of its own runs.
    void crash()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
};

// Every entry of a folder, the folder's own names only.
QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

bool running(Start &start)
{
    return start.process().state() == QProcess::Running;
}

} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void dataFolderIsChosenOnce_data();
    void dataFolderIsChosenOnce();
    void unusableFolderIsReportedAndEndsTheStart();
    void helpAndVersionNeedNoDisplayAndWriteNothing_data();
    void helpAndVersionNeedNoDisplayAndWriteNothing();
    void unknownOptionEndsWithStatus2();
    void startedInHomeKeepsItsFilesInTheDataFolder();
    void startedInAFolderWithDataUsesIt();
    void secondStartOnTheSameFolderHandsOver();
    void startAfterACrashRuns();
};

void TestApp::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Action>("action");
    QTest::addColumn<QString>("folder");
    using A = CommandLine::Action;
    QTest::newRow("nothing") << QStringList() << A::Run << QString();
    QTest::newRow("--help") << QStringList{u"--help"_s} << A::ShowHelp << QString();
    QTest::newRow("-h") << QStringList{u"-h"_s} << A::ShowHelp << QString();
    QTest::newRow("--version") << QStringList{u"--version"_s} << A::ShowVersion << QString();
    QTest::newRow("--data-dir") << QStringList{u"--data-dir"_s, u"/d/x"_s} << A::Run << u"/d/x"_s;
    QTest::newRow("-d") << QStringList{u"-d"_s, u"rel"_s} << A::Run << u"rel"_s;
    QTest::newRow("--data-dir=") << QStringList{u"--data-dir=/d/y"_s} << A::Run << u"/d/y"_s;
    QTest::newRow("toolkit option")
        << QStringList{u"-platform"_s, u"offscreen"_s} << A::Run << QString();
    QTest::newRow("unknown") << QStringList{u"--bogus"_s} << A::Refuse << QString();
    QTest::newRow("missing folder") << QStringList{u"--data-dir"_s} << A::Refuse << QString();
    QTest::newRow("argument") << QStringList{u"stray"_s} << A::Refuse << QString();
}

void TestApp::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);
    QFETCH(QString, folder);
    const CommandLine line = CommandLine::parse(QStringList{u"velmora"_s} + arguments);
    QCOMPARE(line.action, action);
    QCOMPARE(line.dataFolder, folder);
    if (action == CommandLine::Action::ShowVersion)
        QVERIFY(line.text.startsWith(u"Velmora 1.0"_s));
    if (action == CommandLine::Action::Refuse || action == CommandLine::Action::ShowHelp)
        QVERIFY(line.text.contains(u"--data-dir"_s));
}

void TestApp::dataFolderIsChosenOnce_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("setupName"); // in the folder started in; empty: none there
    QTest::addColumn<QString>("chosen");    // <started>, <data> for the user's data folder
    QTest::newRow("user's data folder") << QString() << QString() << u"<data>/velmora"_s;
    QTest::newRow("folder with data") << QString() << u"setup.dat"_s << u"<started>"_s;
    QTest::newRow("any letter case") << QString() << u"SETUP.DAT"_s << u"<started>"_s;
    QTest::newRow("given wins") << u"elsewhere"_s << u"setup.dat"_s << u"<started>/elsewhere"_s;
    QTest::newRow("given absolute") << u"<data>/mine"_s << QString() << u"<data>/mine"_s;
}

void TestApp::dataFolderIsChosenOnce()
{
    QFETCH(QString, given);
    QFETCH(QString, setupName);
    QFETCH(QString, chosen);
    QTemporaryDir started, data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    if (!setupName.isEmpty()) {
        QFile setup(QDir(started.path()).filePath(setupName));
        QVERIFY(setup.open(QIODevice::WriteOnly));
    }
    const auto expand = [&](QString text) {
        return text.replace(u"<started>"_s, started.path()).replace(u"<data>"_s, data.path());
    };
    QCOMPARE(DataFolder::choose(expand(given), started.path()), expand(chosen));
    qunsetenv("XDG_DATA_HOME");
}

void TestApp::unusableFolderIsReportedAndEndsTheStart()
{
    WorkDir dir;
    dir.write(u"plain-file"_s, "not a folder");
    const QString before = QDir::currentPath();
    const QString folder = dir.filePath(u"plain-file/data"_s);
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::Ok);
    CommandLine line;
    line.dataFolder = folder;
    QCOMPARE(runProgram(line), 1);
    const QString said = dialogs.lastAsked().message.text;
    QVERIFY2(said.contains(folder) && said.contains(u"Not a directory"_s), qPrintable(said));
    QCOMPARE(QDir::currentPath(), before);
    QCOMPARE(entriesOf(dir.path()), QStringList{u"plain-file"_s});
}

void TestApp::helpAndVersionNeedNoDisplayAndWriteNothing_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("says");
    QTest::newRow("--help") << u"--help"_s << u"--data-dir <folder>"_s;
    QTest::newRow("--version") << u"--version"_s << u"Velmora 1.0"_s;
}

void TestApp::helpAndVersionNeedNoDisplayAndWriteNothing()
{
    QFETCH(QString, option);
    QFETCH(QString, says);
    QTemporaryDir home, started;
    Start start(home.path(), started.path(), {option}, false);
    QCOMPARE(start.finished(), 0);
    QVERIFY(QString::fromLocal8Bit(start.process().readAllStandardOutput()).contains(says));
    QCOMPARE(entriesOf(home.path()), QStringList());
    QCOMPARE(entriesOf(started.path()), QStringList());
}

void TestApp::unknownOptionEndsWithStatus2()
{
    QTemporaryDir home, started;
    Start start(home.path(), started.path(), {u"--bogus"_s}, false);
    QCOMPARE(start.finished(), 2);
    const QString said = QString::fromLocal8Bit(start.process().readAllStandardError());
    QVERIFY(said.contains(u"bogus"_s) && said.contains(u"Usage:"_s));
    QCOMPARE(entriesOf(home.path()), QStringList());
}

void TestApp::startedInHomeKeepsItsFilesInTheDataFolder()
{
    QTemporaryDir home;
    Start start(home.path(), home.path(), {});
    const QString data = home.filePath(u".local/share/velmora"_s);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(data + u"/personal.dat"_s), 20000);
    QVERIFY(QFile::exists(data + u"/setup.dat"_s));
    QCOMPARE(entriesOf(home.path()), QStringList{u".local"_s});
}

void TestApp::startedInAFolderWithDataUsesIt()
{
    QTemporaryDir home, started, given;
    // Preferences of a start-up window 0 (the personal calendar), kept as they are.
    const QByteArray prefs = QByteArray("\0\0", 2) + QByteArray("9").leftJustified(10, ' ') +
                             QByteArray(4, '\0') + QByteArray(100, ' ');
    QFile setup(started.filePath(u"setup.dat"_s));
    QVERIFY(setup.open(QIODevice::WriteOnly));
    setup.write(prefs);
    setup.close();
    {
        Start start(home.path(), started.path(), {});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(started.filePath(u"personal.dat"_s)), 20000);
        QVERIFY(setup.open(QIODevice::ReadOnly));
        QCOMPARE(setup.readAll(), prefs);
        setup.close();
    }
    // --data-dir wins over both.
    Start start(home.path(), started.path(), {u"--data-dir"_s, given.filePath(u"new"_s)});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(given.filePath(u"new/personal.dat"_s)), 20000);
    QCOMPARE(entriesOf(home.path()), QStringList());
}

void TestApp::secondStartOnTheSameFolderHandsOver()
{
    QTemporaryDir home, folder, other;
    Start first(home.path(), home.path(), {u"-d"_s, folder.path()});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath(u"personal.dat"_s)), 20000);
    // The second start asks the first to come to the front; the first answers, runs on.
    Start second(home.path(), home.path(), {u"--data-dir"_s, folder.path()});
    QCOMPARE(second.finished(), 0);
    QVERIFY(running(first));
    // Another folder is another program.
    Start third(home.path(), home.path(), {u"-d"_s, other.path()});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(other.filePath(u"personal.dat"_s)), 20000);
    QVERIFY(running(third));
}

void TestApp::startAfterACrashRuns()
{
    QTemporaryDir home, folder;
    {
        Start crashed(home.path(), home.path(), {u"-d"_s, folder.path()});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath(u"personal.dat"_s)), 20000);
        crashed.crash(); // its lock stays behind
    }
    QFile::remove(folder.filePath(u"personal.dat"_s));
    Start start(home.path(), home.path(), {u"-d"_s, folder.path()});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath(u"personal.dat"_s)), 20000);
    QVERIFY(running(start));
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
