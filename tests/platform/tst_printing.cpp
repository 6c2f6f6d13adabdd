#include "app/window_table.h"
#include "platform/printer.h"
#include "platform/status_panels.h"

#include "pdf_text.h"
#include "print_server.h"
#include "scripted_dialogs.h"
#include "work_dir.h"

#include <QDateTime>
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ToolWindowId)

namespace {

const QString PrintNow = u"      Do you want Print Now ?"_s;

// The size of a PDF's first page as pdfinfo names it, "612 x 792 pts (letter)".
QString pageSizeOf(const QString &pdf)
{
    QProcess pdfinfo;
    pdfinfo.start(u"pdfinfo"_s, {pdf});
    if (!pdfinfo.waitForFinished())
        return {};
    for (const QString &line : QString::fromUtf8(pdfinfo.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(u"Page size:"_s))
            return line.mid(10).trimmed();
    }
    return {};
}

bool havePoppler()
{
    return !QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty() &&
           !QStandardPaths::findExecutable(u"pdfinfo"_s).isEmpty();
}

void print(const QString &documentName, const QString &text)
{
    const auto printer = Printing::open(documentName);
    printer->printLine(text);
    QVERIFY2(printer->endDocument(), qPrintable(printer->errorString()));
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void refusedJobShowsThePrintingMessage_data();
    void refusedJobShowsThePrintingMessage();
    void jobTakesThePrintersPaper_data();
    void jobTakesThePrintersPaper();
    void printoutsWithoutAPrinterNeverOverwrite();

private:
    QTemporaryDir m_home;
    ScriptedDialogs *m_dialogs = nullptr;
};

void TestPrinting::initTestCase()
{
    // The documents folder and the user's queue options are the test's own.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DOCUMENTS_DIR");
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    if (!havePoppler())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
}

void TestPrinting::init()
{
    m_dialogs = new ScriptedDialogs;
}

void TestPrinting::cleanup()
{
    QCOMPARE(m_dialogs->pending(), 0);
    delete m_dialogs;
}

void TestPrinting::refusedJobShowsThePrintingMessage_data()
{
    QTest::addColumn<ToolWindowId>("window");
    QTest::addColumn<QString>("printButton");
    QTest::addColumn<QString>("message");
    const QString problem = u"Printer Problem"_s;
    const QString ownWords = u"There was a problem printing to your printer."_s;
    QTest::newRow("appointments") << ToolWindowId::form5 << u"Command11"_s << problem;
    QTest::newRow("business card") << ToolWindowId::Form4 << u"Command5"_s << ownWords;
    QTest::newRow("lists") << ToolWindowId::Form6 << u"Command2"_s << problem;
    QTest::newRow("to-do") << ToolWindowId::Todo << u"Command4"_s << problem;
    QTest::newRow("notepad") << ToolWindowId::Form9 << u"Command5"_s << problem;
    QTest::newRow("expenses") << ToolWindowId::Form13 << u"Command4"_s << ownWords;
    QTest::newRow("reminders") << ToolWindowId::Form8 << u"Command4"_s << problem;
}

void TestPrinting::refusedJobShowsThePrintingMessage()
{
    QFETCH(ToolWindowId, window);
    QFETCH(QString, printButton);
    QFETCH(QString, message);
    PrintServer server;
    if (!server.problem().isEmpty())
        QSKIP(qPrintable(u"No print queue can be set up: "_s + server.problem()));
    QVERIFY(server.addQueue(u"refusing"_s, u"A4"_s));
    QVERIFY(server.rejectJobs(u"refusing"_s));
    QVERIFY(server.makeDefault(u"refusing"_s));
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), u"refusing"_s);

    WorkDir dir;
    const std::unique_ptr<QWidget> w = createToolWindow(window);
    w->show();
    m_dialogs->answerMessage(Dialogs::Answer::Ok, PrintNow);
    m_dialogs->answerMessage(Dialogs::Answer::Ok, message);
    auto *button = w->findChild<QPushButton *>(printButton);
    QVERIFY(button);
    button->click();
    QCOMPARE(m_dialogs->pending(), 0);
    QVERIFY(server.spooledDocuments().isEmpty());
    // Nothing went to a PDF in its place either.
    QVERIFY(QDir(m_home.path()).entryList({u"*.pdf"_s}, QDir::Files).isEmpty());
}

void TestPrinting::jobTakesThePrintersPaper_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<QPageSize::PageSizeId>("size");
    QTest::addColumn<QString>("pdfPage");
    QTest::newRow("Letter") << u"Letter"_s << QPageSize::Letter << u"612 x 792 pts (letter)"_s;
    QTest::newRow("A4") << u"A4"_s << QPageSize::A4 << u"595 x 842 pts (A4)"_s;
}

void TestPrinting::jobTakesThePrintersPaper()
{
    QFETCH(QString, paper);
    QFETCH(QPageSize::PageSizeId, size);
    QFETCH(QString, pdfPage);
    QString problem;
    {
        PrintServer server;
        problem = server.problem();
        if (problem.isEmpty()) {
            QVERIFY(server.addQueue(u"office"_s, paper));
            QVERIFY(server.makeDefault(u"office"_s));
            QCOMPARE(QPrinterInfo::defaultPrinter().defaultPageSize().id(), size);
            QCOMPARE(Printing::paperSize().id(), size);
            print(u"Paper"_s, u"Printed on the printer's own paper"_s);
            const QStringList jobs = server.spooledDocuments();
            QCOMPARE(jobs.size(), 1);
            QCOMPARE(pageSizeOf(jobs.constFirst()), pdfPage);
            QVERIFY(pdfText(jobs.constFirst()).contains(u"Printed on the printer's own paper"_s));
            return;
        }
    }
    // Without a print server of the test's own, the paper is checked against what Qt reports
    // of the machine's default printer, and nothing is printed.
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    const QPageSize expected = printer.isNull() || !printer.defaultPageSize().isValid()
                                   ? QPageSize(QPageSize::A4)
                                   : printer.defaultPageSize();
    QCOMPARE(Printing::paperSize().id(), expected.id());
    QSKIP(qPrintable(u"No print queue can be set up (checked against Qt's printer information "
                     "only): "_s +
                     problem));
}

void TestPrinting::printoutsWithoutAPrinterNeverOverwrite()
{
    PrintServer server; // no queue: no printer at all
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
    const QDir documents(m_home.filePath(u"Documents"_s));
    QVERIFY(QDir().mkpath(documents.path()));
    // Printouts of this second and the next few are there already.
    const QDateTime now = QDateTime::currentDateTime();
    QStringList earlier;
    for (int s = 0; s < 5; ++s) {
        earlier.append(documents.filePath(
            u"Day-Note-"_s + now.addSecs(s).toString(u"yyyyMMdd-hhmmss"_s) + u".pdf"_s));
        QFile file(earlier.constLast());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier printout");
    }

    print(u"Day Note"_s, u"first printout"_s);
    print(u"Day Note"_s, u"second printout"_s);

    for (const QString &path : std::as_const(earlier)) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("earlier printout"));
    }
    QStringList made;
    for (const QString &name : documents.entryList({u"Day-Note-*.pdf"_s}, QDir::Files)) {
        if (!earlier.contains(documents.filePath(name)))
            made.append(documents.filePath(name));
    }
    QCOMPARE(made.size(), 2);
    QStringList texts{pdfText(made.at(0)).trimmed(), pdfText(made.at(1)).trimmed()};
    texts.sort();
    QCOMPARE(texts, (QStringList{u"first printout"_s, u"second printout"_s}));
    // Panel 2 names the last one.
    const QString last =
        QDir::toNativeSeparators(made.at(pdfText(made.at(0)).contains(u"second"_s) ? 0 : 1));
    QCOMPARE(StatusPanels::statusText(), u"Printed to "_s + last);
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
