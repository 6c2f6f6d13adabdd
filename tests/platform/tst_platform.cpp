#include "platform/cp1252.h"
#include "platform/data_files.h"
#include "platform/file_error.h"
#include "platform/printer.h"
#include "platform/program_start.h"
#include "platform/record_file.h"
#include "platform/working_date.h"

#include "scripted_dialogs.h"
#include "work_dir.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void textFieldsArePaddedAndCut_data();
    void textFieldsArePaddedAndCut();
    void textReadsBackWithItsPadding();
    void integersAreLittleEndianSigned();
    void countDropsAPartialRecord();
    void readPastTheEndIsZero();
    void partialLastRecordIsPaddedWithZeros();
    void writeIsPositionedAndAppendsAtCountPlusOne();
    void readAllMatchesRecordByRecord();
    void failedWriteIsReportedAndLeavesTheFile();
    void createReplacesTheWholeFile();
    void lookupFindsAnyLetterCase();
    void workingDate_data();
    void workingDate();
    void workingDateTurnsWithTheClock();
    void startDateComesBack();
    void commandLinesSplitWithoutAShell();
    void printerWritesAPdf();
};

void TestPlatform::textFieldsArePaddedAndCut_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("short is padded") << QStringLiteral("ab") << QByteArray("ab   ");
    QTest::newRow("exact") << QStringLiteral("abcde") << QByteArray("abcde");
    QTest::newRow("long is cut") << QStringLiteral("abcdefgh") << QByteArray("abcde");
    QTest::newRow("empty is spaces") << QString() << QByteArray("     ");
    QTest::newRow("cp1252") << QString::fromUtf8("M\u00fcl\u20ac") << QByteArray("M\xfcl\x80 ");
    QTest::newRow("no cp1252 form")
        << QString::fromUtf8("a\u4e2d\U0001F600b") << QByteArray("a??b ");
}

void TestPlatform::textFieldsArePaddedAndCut()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, stored);
    Record record(9);
    record.setText(2, 5, value);
    QCOMPARE(record.bytes(), QByteArray(2, '\0') + stored + QByteArray(2, '\0'));
}

void TestPlatform::textReadsBackWithItsPadding()
{
    Record record(QByteArray("M\xfc"
                             "ller   \x80\0\0",
                             12));
    QCOMPARE(record.text(0, 9), QString::fromUtf8("M\u00fcller   "));
    QCOMPARE(record.text(9, 3).size(), 3);
    QCOMPARE(record.text(10, 2), QString(2, QChar(u'\0')));
    QCOMPARE(record.shownText(9, 3), QString::fromUtf8("\u20ac"));
    QCOMPARE(Cp1252::decode(Cp1252::encode(QString::fromUtf8("\u0152\u2122\u00ff"))),
             QString::fromUtf8("\u0152\u2122\u00ff"));
}

void TestPlatform::integersAreLittleEndianSigned()
{
    Record record(4);
    record.setInt16(0, -1);
    record.setInt16(2, 0x1234);
    QCOMPARE(record.bytes(), QByteArray("\xff\xff\x34\x12", 4));
    QCOMPARE(record.int16(0), qint16(-1));
    QCOMPARE(Record(QByteArray("\x00\x80", 2)).int16(0), qint16(-32768));
}

void TestPlatform::countDropsAPartialRecord()
{
    WorkDir dir;
    const RecordFile file(QStringLiteral("x.dat"), 4);
    QCOMPARE(file.count(), 0);
    QVERIFY(!file.exists());
    dir.write(QStringLiteral("x.dat"), QByteArray(11, 'a'));
    QCOMPARE(file.count(), 2);
}

void TestPlatform::readPastTheEndIsZero()
{
    WorkDir dir;
    const RecordFile file(QStringLiteral("x.dat"), 4);
    QCOMPARE(file.read(1).bytes(), QByteArray(4, '\0')); // no file at all
    dir.write(QStringLiteral("x.dat"), QByteArray("abcd"));
    QCOMPARE(file.read(7).bytes(), QByteArray(4, '\0'));
    QCOMPARE(dir.read(QStringLiteral("x.dat")), QByteArray("abcd")); // reading never writes
}

void TestPlatform::partialLastRecordIsPaddedWithZeros()
{
    WorkDir dir;
    dir.write(QStringLiteral("x.dat"), QByteArray("abcdef"));
    const RecordFile file(QStringLiteral("x.dat"), 4);
    QCOMPARE(file.read(2).bytes(), QByteArray("ef\0\0", 4));
    QCOMPARE(file.readAll().size(), 2);
    QCOMPARE(file.readAll().at(1).bytes(), QByteArray("ef\0\0", 4));
}

void TestPlatform::writeIsPositionedAndAppendsAtCountPlusOne()
{
    WorkDir dir;
    dir.write(QStringLiteral("x.dat"), QByteArray("aaaabbbbcccc"));
    const RecordFile file(QStringLiteral("x.dat"), 4);
    file.write(2, Record(QByteArray("BBBB")));
    QCOMPARE(dir.read(QStringLiteral("x.dat")), QByteArray("aaaaBBBBcccc"));
    file.write(file.count() + 1, Record(QByteArray("dddd")));
    QCOMPARE(dir.read(QStringLiteral("x.dat")), QByteArray("aaaaBBBBccccdddd"));
    file.write(1, Record(QByteArray("AAAA"))); // never shortens
    QCOMPARE(dir.read(QStringLiteral("x.dat")).size(), 16);
}

void TestPlatform::readAllMatchesRecordByRecord()
{
    WorkDir dir;
    dir.write(QStringLiteral("x.dat"), QByteArray("0123456789abcdefXY"));
    const RecordFile file(QStringLiteral("x.dat"), 4);
    const QList<Record> all = file.readAll();
    QCOMPARE(all.size(), 5);
    for (int n = 1; n <= all.size(); ++n)
        QCOMPARE(all.at(n - 1).bytes(), file.read(n).bytes());
}

void TestPlatform::failedWriteIsReportedAndLeavesTheFile()
{
    WorkDir dir;
    dir.write(QStringLiteral("x.dat"), QByteArray("abcd"));
    dir.write(QStringLiteral("plain"), QByteArray("not a folder"));
    QDir(dir.path()).mkdir(QStringLiteral("folder.dat"));
    QFile::link(QStringLiteral("/dev/full"), dir.filePath(QStringLiteral("full.dat")));
    const QList<RecordFile> failing = {
        RecordFile(QStringLiteral("plain/new.dat"), 4), // cannot be created
        RecordFile(QStringLiteral("folder.dat"), 4),    // cannot be opened
        RecordFile(QStringLiteral("full.dat"), 4),      // the disk is full
    };
    for (const RecordFile &file : failing) {
        try {
            file.write(1, Record(QByteArray("efgh")));
            QFAIL(qPrintable(file.fileName() + QStringLiteral(": the write reported success")));
        } catch (const FileError &error) {
            QCOMPARE(error.fileName(), file.fileName());
            QVERIFY(!error.systemText().isEmpty());
        }
    }
    QVERIFY_THROWS_EXCEPTION(FileError, RecordFile(QStringLiteral("folder.dat"), 4).read(1));
    // Record 0 is no record: refused, and the file stays as it was.
    QVERIFY_THROWS_EXCEPTION(FileError, RecordFile(QStringLiteral("x.dat"), 4).read(0));
    QVERIFY_THROWS_EXCEPTION(
        FileError, RecordFile(QStringLiteral("x.dat"), 4).write(0, Record(QByteArray("efgh"))));

    if (::geteuid() != 0) { // root writes into read-only folders
        QFile::setPermissions(dir.filePath(QStringLiteral("x.dat")), QFile::ReadOwner);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const RecordFile existing(QStringLiteral("x.dat"), 4);
        QVERIFY_THROWS_EXCEPTION(FileError, existing.write(2, Record(QByteArray("efgh"))));
        QVERIFY_THROWS_EXCEPTION(FileError, existing.create({Record(4)}));
        QVERIFY_THROWS_EXCEPTION(FileError,
                                 RecordFile(QStringLiteral("new.dat"), 4).write(1, Record(4)));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QCOMPARE(dir.read(QStringLiteral("x.dat")), QByteArray("abcd"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("new.dat"))));
}

void TestPlatform::createReplacesTheWholeFile()
{
    WorkDir dir;
    dir.write(QStringLiteral("x.dat"), QByteArray("zzzzzzzzzzzz"));
    RecordFile(QStringLiteral("x.dat"), 4).create({Record(QByteArray("abcd"))});
    QCOMPARE(dir.read(QStringLiteral("x.dat")), QByteArray("abcd"));
}

void TestPlatform::lookupFindsAnyLetterCase()
{
    WorkDir dir;
    QVERIFY(!DataFiles::exists(QStringLiteral("setup.dat")));
    dir.write(QStringLiteral("SETUP.DAT"), QByteArray("abcd"));
    QVERIFY(DataFiles::exists(QStringLiteral("setup.dat")));
    const RecordFile file(QStringLiteral("setup.dat"), 4);
    QCOMPARE(file.read(1).bytes(), QByteArray("abcd"));
    file.write(1, Record(QByteArray("wxyz")));
    QCOMPARE(dir.read(QStringLiteral("SETUP.DAT")), QByteArray("wxyz"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("setup.dat"))) ||
            QFile(dir.filePath(QStringLiteral("setup.dat"))).size() == 4);
}

void TestPlatform::workingDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected"); // invalid: the text names no date
    QTest::newRow("plain") << QStringLiteral("2/28/1997") << QDate(1997, 2, 28);
    QTest::newRow("leap day") << QStringLiteral("2/29/2000") << QDate(2000, 2, 29);
    QTest::newRow("no leap day") << QStringLiteral("2/29/1900") << QDate();
    QTest::newRow("31 April") << QStringLiteral("4/31/1997") << QDate();
    QTest::newRow("month 13") << QStringLiteral("13/1/1997") << QDate();
    QTest::newRow("not a date") << QStringLiteral("hello") << QDate();
    QTest::newRow("two parts") << QStringLiteral("12/1997") << QDate();
}

void TestPlatform::workingDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    WorkingDate::setClock([] { return QDate(2026, 12, 10); });
    WorkingDate::set(QDate(2001, 1, 1));
    QCOMPARE(WorkingDate::setFromText(text), expected.isValid());
    QCOMPARE(WorkingDate::current(), expected.isValid() ? expected : QDate(2001, 1, 1));
    WorkingDate::setClock({});
}

void TestPlatform::workingDateTurnsWithTheClock()
{
    QDate today(2026, 12, 10);
    WorkingDate::setClock([&today] { return today; });
    QVERIFY(WorkingDate::setFromText(u"3/5/1999"));
    today = today.addDays(1); // midnight passes
    QCOMPARE(WorkingDate::current(), QDate(1999, 3, 6));
    QCOMPARE(WorkingDate::toText(QDate(1999, 3, 6)), QStringLiteral("3/6/1999"));
    WorkingDate::setClock({});
}

void TestPlatform::startDateComesBack()
{
    WorkingDate::setClock([] { return QDate(2026, 12, 10); });
    WorkingDate::set(QDate(2026, 12, 10));
    RecordStartDate();
    QCOMPARE(StartDate(), QStringLiteral("12/10/2026"));
    WorkingDate::setFromText(u"1/31/1990");
    RestoreStartDate();
    QCOMPARE(WorkingDate::current(), QDate(2026, 12, 10));
    WorkingDate::setClock({});
}

void TestPlatform::commandLinesSplitWithoutAShell()
{
    QCOMPARE(ProgramStart::splitCommandLine(
                 QStringLiteral("C:\\WINDOWS\\sndrec32.exe /play /end \"x;touch pwned.wav\"")),
             QStringList({QStringLiteral("C:\\WINDOWS\\sndrec32.exe"), QStringLiteral("/play"),
                          QStringLiteral("/end"), QStringLiteral("x;touch pwned.wav")}));
    WorkDir dir;
    QVERIFY(!ProgramStart::startCommandLine(QStringLiteral("./no-such-program"),
                                            ProgramStart::WindowMode::Normal));
    QVERIFY(
        !ProgramStart::startCommandLine(QStringLiteral("  "), ProgramStart::WindowMode::Normal));
    // Shell syntax reaches the program as plain arguments.
    const QString touch = QStandardPaths::findExecutable(QStringLiteral("touch"));
    QVERIFY(ProgramStart::start(touch,
                                {QStringLiteral("a;touch pwned"), QStringLiteral("$(touch b)")},
                                ProgramStart::WindowMode::Hide));
    QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("a;touch pwned"))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("pwned"))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("b"))));
}

void TestPlatform::printerWritesAPdf()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    WorkDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    Printing::setOutputFile(pdf);
    auto printer = Printing::open(QStringLiteral("Test"));
    printer->printLine(QStringLiteral("First line"));
    printer->printLine(QStringLiteral("two\r\nlines"));
    printer->newPage();
    printer->printLine(QString::fromUtf8("Second page M\u00fcller"));
    QVERIFY2(printer->endDocument(), qPrintable(printer->errorString()));
    Printing::setOutputFile(QString());
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    const QStringList pages = text.split(u'\f');
    QVERIFY(pages.size() >= 2);
    QVERIFY(pages.at(0).contains(QStringLiteral("First line")));
    QVERIFY(pages.at(0).contains(QStringLiteral("two\nlines")));
    QVERIFY(pages.at(1).contains(QString::fromUtf8("Second page M\u00fcller")));
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
