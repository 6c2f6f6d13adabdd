#include "app/window_table.h"
#include "calendar/appointment_store.h"
#include "calendar/personal_calendar_window.h"
#include "calendar/reminder_store.h"
#include "contacts/business_store.h"
#include "contacts/business_window.h"
#include "notes/list_store.h"
#include "platform/file_care.h"
#include "platform/file_error.h"
#include "platform/file_notices.h"
#include "platform/os_file.h"
#include "platform/record_file.h"

#include "scripted_dialogs.h"
#include "work_dir.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <functional>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Stops a write the way a kill does: nothing of the program's own runs after it.
struct Stopped
{
};

// Stops the program's writes at their nth step, or makes its nth write fail as a full disk does.
class Faults
{
public:
    enum class Kind { Stop, Fail };
    Faults(int at, Kind kind)
    {
        WriteFaults::setHook([this, at, kind](WriteFaults::Step step) {
            const bool writing =
                step == WriteFaults::Step::BeforeWrite || step == WriteFaults::Step::HalfWritten;
            if (kind == Kind::Fail && !writing)
                return;
            if (++m_steps != at)
                return;
            if (kind == Kind::Stop)
                throw Stopped();
            throw FileError(u"(injected)"_s, u"No space left on device"_s);
        });
    }
    ~Faults() { WriteFaults::setHook({}); }
    int steps() const { return m_steps; }

private:
    int m_steps = 0;
};

QByteArray pattern(char c, int length)
{
    return QByteArray(length, c);
}

// An action on the stores and the files it changes.
struct Action
{
    const char *name; // cppcheck-suppress unusedStructMember
    std::function<void()> prepare;
    std::function<void()> run;
    QStringList files;
};

QList<Action> actions()
{
    constexpr int Card = 2042;
    const auto cards = [](int count) {
        QByteArray bytes;
        for (int n = 1; n <= count; ++n)
            bytes += Record(pattern(char('a' + n), Card)).bytes();
        return bytes;
    };
    const auto write = [](const QString &name, const QByteArray &bytes) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    return {
        {"a record across two pages",
         [=] { write(u"biz.dat"_s, cards(3)); },
         [] { RecordFile(u"biz.dat"_s, Card).write(3, Record(pattern('z', Card))); },
         {u"biz.dat"_s}},
        {"an append across two pages",
         [=] { write(u"biz.dat"_s, cards(2)); },
         [] { RecordFile(u"biz.dat"_s, Card).write(3, Record(pattern('z', Card))); },
         {u"biz.dat"_s}},
        {"a shifting delete",
         [] {
             ReminderStore store;
             store.createremind();
             for (int n = 1; n <= 4; ++n)
                 store.write(n, {qint16(n), u"R%1"_s.arg(n), u"1/%1/26"_s.arg(n), u"note"_s});
         },
         [] { ReminderStore().removeByShifting(2, 4); },
         {u"remind.dat"_s}},
        {"a day saved with its red flag",
         [] { AppointmentStore().open(); },
         [] {
             AppointmentStore::DayEntry entry{u"7/4/1997"_s, u"7/1997"_s, 5, 2,
                                              u"Dentist"_s,  u"note"_s};
             AppointmentStore().saveDay(entry);
         },
         {u"appoint.dat"_s, u"cal.dat"_s}},
        {"a list deleted",
         [] {
             const ListStore lists;
             lists.createFile();
             for (int n = 1; n <= 3; ++n)
                 lists.write(n, {u"List %1"_s.arg(n), u"body"_s});
         },
         [] { ListStore().removeByShifting(1); },
         {u"lists.dat"_s}},
    };
}

QByteArray bytesOf(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray contentOf(const QStringList &files)
{
    QByteArray all;
    for (const QString &name : files) {
        QFile file(name);
        all += name.toLatin1() + ':' + (file.open(QIODevice::ReadOnly) ? file.readAll() : "-");
    }
    return all;
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void stoppedWritesRollBack_data();
    void stoppedWritesRollBack();
    void failedWritesLeaveNoTrace_data();
    void failedWritesLeaveNoTrace();
    void fullDiskRefusesEverySave();
    void emptyFilesAreMissing();
    void damagedFileIsKeptAsideAndTheUserTold();
    void firstChangeOfADayIsBackedUp();
    void phoneBookShowsWhatItCannotRewrite();
    void badFilesLoad_data();
    void badFilesLoad();
};

void TestFiles::cleanup()
{
    WriteFaults::setHook({});
    FileCare::setClock({});
    FileNotices::take();
}

void TestFiles::stoppedWritesRollBack_data()
{
    QTest::addColumn<int>("action");
    for (int i = 0; i < int(actions().size()); ++i)
        QTest::newRow(actions().at(i).name) << i;
}

void TestFiles::stoppedWritesRollBack()
{
    QFETCH(int, action);
    const Action act = actions().at(action);
    // Every step the action takes, stopped at in turn: the next use finds the files as they
    // were before or as the action leaves them, never anything between.
    QByteArray before, after;
    int total = 0;
    {
        WorkDir dir;
        act.prepare();
        before = contentOf(act.files);
        const Faults counting(0, Faults::Kind::Stop);
        act.run();
        total = counting.steps();
        after = contentOf(act.files);
    }
    QVERIFY(total > 1);
    for (int at = 1; at <= total; ++at) {
        WorkDir dir;
        act.prepare();
        {
            const Faults stop(at, Faults::Kind::Stop);
            QVERIFY_THROWS_EXCEPTION(Stopped, act.run());
        }
        for (const QString &name : act.files)
            RecordFile(name, 1).count(); // the next use
        const QByteArray found = contentOf(act.files);
        QVERIFY2(found == before || found == after, qPrintable(u"stopped at step %1"_s.arg(at)));
        QVERIFY(!QFile::exists(u".velmora-journal"_s));
    }
}

void TestFiles::failedWritesLeaveNoTrace_data()
{
    stoppedWritesRollBack_data();
}

void TestFiles::failedWritesLeaveNoTrace()
{
    QFETCH(int, action);
    const Action act = actions().at(action);
    int total = 0;
    {
        WorkDir dir;
        act.prepare();
        const Faults counting(0, Faults::Kind::Fail);
        act.run();
        total = counting.steps();
    }
    for (int at = 1; at <= total; ++at) {
        WorkDir dir;
        act.prepare();
        const QByteArray before = contentOf(act.files);
        {
            const Faults fail(at, Faults::Kind::Fail);
            try {
                act.run();
                // A failure past the last write of the action is past its changes too.
            } catch (const FileError &error) {
                QVERIFY(error.message().endsWith(u": No space left on device"_s));
                QCOMPARE(contentOf(act.files), before);
            }
        }
        QVERIFY(!QFile::exists(u".velmora-journal"_s));
    }
}

void TestFiles::fullDiskRefusesEverySave()
{
    WorkDir dir;
    const QString disk = dir.filePath(u"disk"_s);
    QVERIFY(QDir().mkpath(disk));
    if (getuid() != 0 || QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s,
                                                        u"tmpfs"_s, disk}) != 0)
        QSKIP("a small file system cannot be mounted here; the injected failures cover it");
    const auto unmount = qScopeGuard([&] {
        QDir::setCurrent(dir.path());
        QProcess::execute(u"umount"_s, {disk});
    });
    QDir::setCurrent(disk);
    ReminderStore reminders;
    reminders.createremind();
    // The rest of the disk taken by another file.
    {
        QFile filler(u"filler"_s);
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        for (qint64 block = 4096; block > 0; block /= 2) {
            const QByteArray bytes(block, 'x');
            while (filler.write(bytes) == block) {
            }
        }
    }
    // Saves that need no new room may land; every other one is refused and changes nothing.
    int refused = 0;
    for (int n = 1; n <= 6; ++n) {
        const QByteArray before = bytesOf(u"remind.dat"_s);
        try {
            reminders.write(n, {qint16(n), QString(40, u'N'), u"1/1/26"_s, QString(2000, u'x')});
        } catch (const FileError &error) {
            QCOMPARE(error.message(), u"remind.dat: No space left on device"_s);
            QCOMPARE(bytesOf(u"remind.dat"_s), before);
            ++refused;
        }
    }
    QVERIFY(refused > 0);
    // Nor does a new file come into being in part.
    QVERIFY_THROWS_EXCEPTION(FileError, BizStore().create());
    QVERIFY(!QFile::exists(u"biz.dat"_s));
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden),
             QStringList({u"filler"_s, u"remind.dat"_s}));
}

void TestFiles::emptyFilesAreMissing()
{
    WorkDir dir;
    dir.write(u"appoint.dat"_s, QByteArray());
    dir.write(u"cal.dat"_s, QByteArray());
    AppointmentStore store;
    store.open();
    QCOMPARE(store.dayCount(), 2);
    QCOMPARE(store.monthCount(), 2);
    QCOMPARE(dir.read(u"appoint.dat"_s),
             AppointmentRecord::placeholder(1).bytes() + AppointmentRecord::placeholder(2).bytes());
}

void TestFiles::damagedFileIsKeptAsideAndTheUserTold()
{
    WorkDir dir;
    QByteArray card(2042, '\0');
    card.replace(0, 2, QByteArray("\x01\x00", 2));
    card.replace(2, 4, "Acme");
    const QByteArray damaged = card + card.left(1000); // the second card cut short
    dir.write(u"biz.dat"_s, damaged);
    ScriptedDialogs dialogs;
    Form4 window;
    window.show();
    window.findChild<QPushButton *>(u"Command1"_s)->click(); // Add
    dialogs.answerMessage(Dialogs::Answer::Ok);
    window.findChild<QPushButton *>(u"Command2"_s)->click(); // Save It !
    QCOMPARE(dir.read(u"biz.dat.damaged"_s), damaged);
    QVERIFY(dialogs.lastAsked().message.text.contains(dir.filePath(u"biz.dat.damaged"_s)));
    QCOMPARE(dir.read(u"biz.dat"_s).size(), 2 * 2042);
    // Told once: the next save of the same file asks nothing.
    window.findChild<QPushButton *>(u"Command2"_s)->click();
    QCOMPARE(dialogs.pending(), 0);
}

void TestFiles::firstChangeOfADayIsBackedUp()
{
    WorkDir dir;
    QDate today(2026, 12, 1);
    FileCare::setClock([&today] { return today; });
    const RecordFile file(u"lists.dat"_s, 4);
    file.write(1, Record(QByteArray("one.")));
    QVERIFY(!QDir(u"backups"_s).exists()); // a new file has nothing to keep
    file.write(1, Record(QByteArray("two.")));
    file.write(1, Record(QByteArray("3rd.")));
    QCOMPARE(dir.read(u"backups/2026-12-01/lists.dat"_s), QByteArray("one."));
    for (int day = 2; day <= 15; ++day) {
        today = QDate(2026, 12, day);
        file.write(1, Record(QByteArray::number(day).rightJustified(4, '.')));
    }
    // Fourteen days are kept: the fifteenth's copy takes the place of the first.
    const QStringList days = QDir(u"backups"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(days.size(), 14);
    QCOMPARE(days.constFirst(), u"2026-12-02"_s);
    QCOMPARE(dir.read(u"backups/2026-12-15/lists.dat"_s), QByteArray("..14"));
}

void TestFiles::phoneBookShowsWhatItCannotRewrite()
{
    WorkDir dir;
    QByteArray people(862, '\0');
    people.replace(0, 2, QByteArray("\x01\x00", 2));
    people.replace(2, 1, "1");
    QByteArray ann(862, ' ');
    ann.replace(0, 2, QByteArray("\x02\x00", 2));
    ann.replace(2, 3, "Ann");
    dir.write(u"personal.dat"_s, people + ann);
    dir.write(u"note.dat"_s, QByteArray(2 * 342, ' '));
    // A folder that takes no writes.
    WriteFaults::setHook([](WriteFaults::Step step) {
        if (step == WriteFaults::Step::BeforeWrite)
            throw FileError(u"personal.dat"_s, u"Read-only file system"_s);
    });
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::Ok, u"personal.dat: Read-only file system"_s);
    Form1 form;
    form.show();
    const auto *list = form.findChild<QListWidget *>(u"List1"_s);
    QCOMPARE(list->item(0)->text(), u"Ann"_s);
    QCOMPARE(dialogs.pending(), 0);
}

void TestFiles::badFilesLoad_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("kept");   // the file's bytes after the load are those it had
    QTest::addColumn<int>("notices"); // what the user is told

    const auto record = [](int length, qint16 recNo, const QByteArray &text) {
        QByteArray bytes(length, ' ');
        bytes.replace(0, 2, QByteArray(reinterpret_cast<const char *>(&recNo), 2));
        bytes.replace(2, text.size(), text);
        return bytes;
    };
    // Bytes the code page leaves undefined, and 16-bit numbers at their ends.
    const QByteArray odd("\x81\x8d\x8f\x90\x9d\xff\x00\x01", 8);
    using Id = ToolWindowId;
    QTest::newRow("empty biz.dat") << int(Id::Form4) << u"biz.dat"_s << QByteArray() << false << 0;
    QTest::newRow("cut biz.dat") << int(Id::Form4) << u"biz.dat"_s << QByteArray(1000, 'x') << true
                                 << 0;
    QTest::newRow("odd cards") << int(Id::Form4) << u"biz.dat"_s
                               << record(2042, -1, odd) + record(2042, 32767, "Acme") << true << 0;
    QTest::newRow("cut remind.dat")
        << int(Id::Form8) << u"remind.dat"_s << record(2062, 1, "Dentist") + "cut" << true << 0;
    QTest::newRow("odd reminder") << int(Id::Form8) << u"remind.dat"_s
                                  << record(2062, -32768, odd + "99/99/9999") << true << 0;
    QTest::newRow("cut appoint.dat")
        << int(Id::form5) << u"appoint.dat"_s << AppointmentRecord::placeholder(1).bytes() + "cut"
        << true << 0;
    QTest::newRow("empty cal.dat") << int(Id::form5) << u"cal.dat"_s << QByteArray() << false << 0;
    QTest::newRow("cut lists.dat")
        << int(Id::Form6) << u"lists.dat"_s << record(2042, 1, "Shopping") + odd << true << 0;
    QTest::newRow("empty VLhelp.hlp")
        << int(Id::Form9) << u"VLhelp.hlp"_s << QByteArray() << false << 0;
    QTest::newRow("odd tree.dat") << int(Id::Todo) << u"tree.dat"_s
                                  << record(1628, 1,
                                            QByteArray("\0\0"
                                                       "0",
                                                       3)) +
                                         record(1628, 2,
                                                "\x09\x00"
                                                "4") +
                                         record(1628, 3,
                                                "\x03\x00"
                                                "4") +
                                         record(1628, 4,
                                                "\x01\x00"
                                                "77")
                                  << true << 0;
    QTest::newRow("odd setup.dat")
        << int(Id::Form3) << u"setup.dat"_s
        << QByteArray("\0\0xx        \x63\x00\xfd\xff", 16) + QByteArray(100, '\x81') << true << 0;
    QTest::newRow("empty launch.dat")
        << int(Id::runit) << u"launch.dat"_s << QByteArray() << false << 0;
    QTest::newRow("cut launch.dat") << int(Id::runit) << u"launch.dat"_s << odd << true << 0;
    QTest::newRow("cut personal.dat")
        << int(Id::Form1) << u"personal.dat"_s
        << record(862, 1, "1") + record(862, 2, "Ann") + "cut" << false << 1;
    QTest::newRow("odd note.dat") << int(Id::Form1) << u"note.dat"_s
                                  << record(342, 32767, odd) + record(342, -7, "x") << true << 0;
}

void TestFiles::badFilesLoad()
{
    QFETCH(int, window);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, kept);
    QFETCH(int, notices);
    WorkDir dir;
    dir.write(file, bytes);
    ScriptedDialogs dialogs;
    for (int i = 0; i < notices; ++i)
        dialogs.answerMessage(Dialogs::Answer::Ok);
    {
        const std::unique_ptr<QWidget> opened = createToolWindow(ToolWindowId(window));
        QVERIFY(opened);
        opened->show();
        QApplication::processEvents();
    }
    QCOMPARE(dialogs.pending(), 0);
    if (kept) {
        QCOMPARE(dir.read(file), bytes);
    } else {
        // A file of no bytes is made anew; a damaged one that had to be written is kept aside.
        QVERIFY(!dir.read(file).isEmpty());
        if (!bytes.isEmpty())
            QCOMPARE(dir.read(file + u".damaged"_s), bytes);
    }
    QVERIFY(!QFile::exists(dir.filePath(u".velmora-journal"_s)));
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
