#include "contacts/dialer_window.h"

#include "platform/serial_port.h"

#include "frame.h"
#include "pty_pair.h"
#include "scripted_dialogs.h"
#include "work_dir.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSerialPort>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString NotFound = u"COM Port Not Found"_s;
const QString PickUp = u"When phone is done Dialing - Click OK"_s;

QByteArray setupBytes(qint16 portIndex)
{
    return le16(0) + padded("9", 10) + le16(0) + le16(portIndex) + padded("", 50) + padded("", 50);
}

template <typename T> T *child(QWidget *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

QPushButton *key(QWidget *dialer, QChar digit)
{
    return child<QPushButton>(dialer, digit == u'0' ? u"Command11"_s : u"Command"_s + digit);
}

// The far end of the line: a modem that hears what the dialer sends and answers when told.
class FakeModem
{
public:
    explicit FakeModem(const QString &device)
    {
        m_port.setPortName(QFileInfo(device).canonicalFilePath());
        m_port.open(QIODevice::ReadWrite);
        QObject::connect(&m_port, &QSerialPort::readyRead, [this] { heard += m_port.readAll(); });
    }

    bool isOpen() const { return m_port.isOpen(); }

    void answer(const QByteArray &bytes)
    {
        m_port.write(bytes);
        m_port.waitForBytesWritten(5000);
    }

    // Reads until what was heard holds text; false when the line stays silent.
    bool waitUntilHeard(const QByteArray &text)
    {
        while (!heard.contains(text)) {
            if (!m_port.waitForReadyRead(5000))
                return false;
        }
        return true;
    }

    QByteArray heard;

private:
    QSerialPort m_port;
};

// Runs a step on every pass of the event loop while a call waits; a call lets events run.
class EveryPass
{
public:
    explicit EveryPass(std::function<void()> step)
    {
        QObject::connect(&m_timer, &QTimer::timeout, std::move(step));
        m_timer.start(0);
    }

private:
    QTimer m_timer;
};

// Ends a call that would otherwise wait for ever, as closing the window does, so a dialer that
// hangs fails its test instead of stalling the run. The timer goes with the window.
void closeIfHanging(QWidget *window)
{
    QTimer::singleShot(20000, window, &QWidget::close);
}

// A working directory whose port 1 is a pty pair with the fake modem at its far end.
class ModemLine
{
public:
    ModemLine() : pty(dir.path(), u"com1"_s, u"modem"_s), modem(dir.filePath(u"modem"_s))
    {
        dir.write(u"setup.dat"_s, setupBytes(0));
    }

    bool isReady() const { return pty.isReady() && modem.isOpen(); }
    QString errorText() const { return pty.errorText(); }
    QString comDevice() const { return QFileInfo(dir.filePath(u"com1"_s)).canonicalFilePath(); }

    // Opening the device the way the dialer does fails while another opener holds it.
    bool comIsFree() const
    {
        QSerialPort probe;
        probe.setPortName(comDevice());
        return probe.open(QIODevice::ReadWrite);
    }

    WorkDir dir;
    PtyPair pty;
    FakeModem modem;
};

} // namespace

class TestDialer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadShowsThePortOfThePreferences_data();
    void loadShowsThePortOfThePreferences();
    void callDialsWaitsAndHangsUp_data();
    void callDialsWaitsAndHangsUp();
    void secondDialDuringACallIsRefused();
    void silentModemEndsTheCall();
    void everyCallCanBeCancelled_data();
    void everyCallCanBeCancelled();
    void closingDuringACallHangsUp_data();
    void closingDuringACallHangsUp();
    void busyPortSendsNothing();
    void missingPortSendsNothing_data();
    void missingPortSendsNothing();
    void dialledFromTheFrameByTheKeyboard();

private:
    ScriptedDialogs *m_dialogs = nullptr;
};

void TestDialer::init()
{
    m_dialogs = new ScriptedDialogs;
}

void TestDialer::cleanup()
{
    QCOMPARE(m_dialogs->pending(), 0);
    delete m_dialogs;
    SerialPorts::setMachinePorts(QString());
    qunsetenv("VELMORA_DIAL_TIMEOUT_MS");
}

void TestDialer::loadShowsThePortOfThePreferences_data()
{
    QTest::addColumn<qint16>("portIndex");
    QTest::addColumn<QString>("shown");
    QTest::newRow("first port") << qint16(0) << u"Port 1"_s;
    QTest::newRow("second port") << qint16(1) << u"Port 2"_s;
    QTest::newRow("fourth port") << qint16(3) << u"Port 4"_s;
}

void TestDialer::loadShowsThePortOfThePreferences()
{
    QFETCH(qint16, portIndex);
    QFETCH(QString, shown);
    WorkDir dir;
    dir.write(u"setup.dat"_s, setupBytes(portIndex));
    Form11 w;
    w.show();
    QCOMPARE(w.windowTitle(), u"Phone Dialer"_s);
    QCOMPARE(w.commPort(), portIndex + 1);
    QCOMPARE(child<QLineEdit>(&w, u"Text2"_s)->text(), shown);
    QCOMPARE(child<QLineEdit>(&w, u"Text1"_s)->text(), QString());
    QVERIFY(!child<QPushButton>(&w, u"CancelButton"_s)->isEnabled());
    // The captions wrap into two lines inside the keys; their spacing is part of them.
    QCOMPARE(key(&w, u'1')->text(), u"1"_s);
    QCOMPARE(key(&w, u'2')->text(), u"     2          ABC"_s);
    QCOMPARE(key(&w, u'0')->text(), u"     0         OPER"_s);
}

void TestDialer::callDialsWaitsAndHangsUp_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QByteArray>("dialString");
    // Each piece is one write of the modem; no pieces: the user cancels instead.
    QTest::addColumn<QByteArrayList>("answer");

    QTest::newRow("answer in two pieces")
        << u"5551234"_s << QString() << QByteArray("ATDT5551234;\r")
        << QByteArrayList{"O", "K\r\n"};
    QTest::newRow("empty number") << QString() << QString() << QByteArray("ATDT;\r")
                                  << QByteArrayList{"OK\r\n"};
    QTest::newRow("keypad appends to typed text")
        << u"55 a"_s << u"1234567890"_s << QByteArray("ATDT55 a1234567890;\r")
        << QByteArrayList{"\r\nOK\r\n"};
    QTest::newRow("only outer spaces trimmed")
        << u"  \t555 12  "_s << QString() << QByteArray("ATDT\t555 12;\r") << QByteArrayList{"OK"};
    QTest::newRow("lower-case ok is no answer, cancelled")
        << u"5551234"_s << QString() << QByteArray("ATDT5551234;\r") << QByteArrayList{"ok\r\n"};
    QTest::newRow("cancelled before the answer")
        << u"5551234"_s << QString() << QByteArray("ATDT5551234;\r") << QByteArrayList{};
}

void TestDialer::callDialsWaitsAndHangsUp()
{
    QFETCH(QString, typed);
    QFETCH(QString, keys);
    QFETCH(QByteArray, dialString);
    QFETCH(QByteArrayList, answer);

    ModemLine line;
    QVERIFY2(line.isReady(), qPrintable(line.errorText()));
    FakeModem &modem = line.modem;

    Form11 w;
    w.show();
    auto *number = child<QLineEdit>(&w, u"Text1"_s);
    number->setText(typed);
    for (const QChar digit : keys)
        key(&w, digit)->click();
    QCOMPARE(number->text(), typed + keys);

    const bool answered = answer.join().contains("OK");
    if (answered)
        m_dialogs->answerMessage(Dialogs::Answer::Ok, PickUp);
    auto *cancel = child<QPushButton>(&w, u"CancelButton"_s);

    // Each piece goes out once the dialer has taken in the ones before it; then, when the
    // answer is not one the dialer takes, the user cancels.
    qsizetype sent = 0;
    EveryPass modemSide([&] {
        if (modem.heard != dialString)
            return;
        if (sent < answer.size()) {
            if (w.reply() == answer.mid(0, sent).join())
                modem.answer(answer.at(sent++));
        } else if (!answered && w.reply() == answer.join() && cancel->isEnabled()) {
            cancel->click();
        }
    });
    child<QPushButton>(&w, u"Dial"_s)->click();

    QVERIFY(modem.waitUntilHeard("ATH\r"));
    QCOMPARE(modem.heard, dialString + "ATH\r");
    QCOMPARE(m_dialogs->asked().size(), answered ? 1 : 0);
    const QString dialled = QString::fromLatin1(dialString.mid(4, dialString.size() - 6));
    QCOMPARE(child<QLineEdit>(&w, u"Text2"_s)->text(), u"Dialing : "_s + dialled);
    // "Cancel Dial" empties the number being dialled; with the call over it has nothing to cancel.
    QVERIFY(!cancel->isEnabled());
    QCOMPARE(w.dialnumber, answered ? dialled : QString());
    QCOMPARE(number->text(), typed + keys);
    QVERIFY(!w.CancelFlag);
    QVERIFY(line.comIsFree());
}

void TestDialer::secondDialDuringACallIsRefused()
{
    ModemLine line;
    QVERIFY2(line.isReady(), qPrintable(line.errorText()));
    FakeModem &modem = line.modem;

    Form11 w;
    w.show();
    child<QLineEdit>(&w, u"Text1"_s)->setText(u"5551234"_s);
    auto *dial = child<QPushButton>(&w, u"Dial"_s);
    m_dialogs->answerMessage(Dialogs::Answer::Ok, NotFound);
    m_dialogs->answerMessage(Dialogs::Answer::Ok, PickUp);
    bool second = false;
    EveryPass modemSide([&] {
        if (modem.heard != "ATDT5551234;\r" || second)
            return;
        second = true;
        dial->click();
        modem.answer("OK\r\n");
    });
    dial->click();

    QVERIFY(second);
    QVERIFY(modem.waitUntilHeard("ATH\r"));
    QCOMPARE(modem.heard, QByteArray("ATDT5551234;\rATH\r"));
    QVERIFY(line.comIsFree());
    // The refused dial did not take over the status of the call that went on.
    QCOMPARE(child<QLineEdit>(&w, u"Text2"_s)->text(), u"Dialing : 5551234"_s);
}

void TestDialer::silentModemEndsTheCall()
{
    ModemLine line;
    QVERIFY2(line.isReady(), qPrintable(line.errorText()));
    qputenv("VELMORA_DIAL_TIMEOUT_MS", "50");

    Form11 w;
    w.show();
    closeIfHanging(&w);
    child<QLineEdit>(&w, u"Text1"_s)->setText(u"5551234"_s);
    child<QPushButton>(&w, u"Dial"_s)->click();

    QCOMPARE(child<QLineEdit>(&w, u"Text2"_s)->text(), u"No answer from the modem"_s);
    QVERIFY(line.modem.waitUntilHeard("ATH\r"));
    QCOMPARE(line.modem.heard, QByteArray("ATDT5551234;\rATH\r"));
    QVERIFY(line.comIsFree());
    QVERIFY(!child<QPushButton>(&w, u"CancelButton"_s)->isEnabled());
    QVERIFY(m_dialogs->asked().isEmpty());
}

void TestDialer::everyCallCanBeCancelled_data()
{
    QTest::addColumn<QString>("firstCall");
    QTest::newRow("after an answered call") << u"answered"_s;
    QTest::newRow("after a cancelled call") << u"cancelled"_s;
    QTest::newRow("after a call the modem left unanswered") << u"unanswered"_s;
}

void TestDialer::everyCallCanBeCancelled()
{
    QFETCH(QString, firstCall);
    ModemLine line;
    QVERIFY2(line.isReady(), qPrintable(line.errorText()));
    FakeModem &modem = line.modem;

    Form11 w;
    w.show();
    closeIfHanging(&w);
    child<QLineEdit>(&w, u"Text1"_s)->setText(u"5551234"_s);
    auto *dial = child<QPushButton>(&w, u"Dial"_s);
    auto *cancel = child<QPushButton>(&w, u"CancelButton"_s);
    const QByteArray dialString("ATDT5551234;\r");

    // The modem hears the dial string; the first call ends as the row says, the second is
    // cancelled by the user.
    int calls = 0;
    bool answered = false;
    EveryPass modemSide([&] {
        if (!modem.heard.endsWith(dialString) || !w.isVisible())
            return;
        if (calls == 1 && firstCall == u"answered") {
            if (!answered)
                modem.answer("OK\r\n");
            answered = true;
        } else if ((calls == 2 || firstCall == u"cancelled") && cancel->isEnabled()) {
            cancel->click();
        }
    });
    if (firstCall == u"answered")
        m_dialogs->answerMessage(Dialogs::Answer::Ok, PickUp);
    if (firstCall == u"unanswered")
        qputenv("VELMORA_DIAL_TIMEOUT_MS", "50");
    ++calls;
    dial->click();
    QVERIFY(modem.waitUntilHeard("ATH\r"));
    QVERIFY(!cancel->isEnabled());

    qunsetenv("VELMORA_DIAL_TIMEOUT_MS");
    modem.heard.clear();
    ++calls;
    dial->click();
    QVERIFY2(w.isVisible(), "the second call could not be cancelled");
    QVERIFY(modem.waitUntilHeard("ATH\r"));
    QCOMPARE(modem.heard, dialString + "ATH\r");
    QCOMPARE(child<QLineEdit>(&w, u"Text2"_s)->text(), u"Dialing : 5551234"_s);
    QCOMPARE(w.dialnumber, QString());
    QVERIFY(!cancel->isEnabled());
    QVERIFY(line.comIsFree());
}

void TestDialer::closingDuringACallHangsUp_data()
{
    QTest::addColumn<bool>("deleteOnClose");
    QTest::newRow("window kept") << false;
    // As the main window opens it: the window may be gone before the call ends.
    QTest::newRow("window deleted on close") << true;
}

void TestDialer::closingDuringACallHangsUp()
{
    QFETCH(bool, deleteOnClose);
    ModemLine line;
    QVERIFY2(line.isReady(), qPrintable(line.errorText()));
    FakeModem &modem = line.modem;

    auto *w = new Form11;
    const QPointer<Form11> alive(w);
    const std::unique_ptr<Form11> owner(deleteOnClose ? nullptr : w);
    w->setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
    w->show();
    EveryPass modemSide([&] {
        if (modem.heard == "ATDT;\r" && alive && alive->isVisible())
            alive->close();
    });
    child<QPushButton>(w, u"Dial"_s)->click();

    QVERIFY(modem.waitUntilHeard("ATH\r"));
    QCOMPARE(modem.heard, QByteArray("ATDT;\rATH\r"));
    QVERIFY(line.comIsFree());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(alive.isNull(), deleteOnClose);
}

void TestDialer::busyPortSendsNothing()
{
    ModemLine line;
    QVERIFY2(line.isReady(), qPrintable(line.errorText()));
    FakeModem &modem = line.modem;

    // Another program holds the port.
    QSerialPort holder;
    holder.setPortName(line.comDevice());
    QVERIFY(holder.open(QIODevice::ReadWrite));

    Form11 w;
    w.show();
    child<QLineEdit>(&w, u"Text1"_s)->setText(u"5551234"_s);
    m_dialogs->answerMessage(Dialogs::Answer::Ok, NotFound);
    child<QPushButton>(&w, u"Dial"_s)->click();

    // The holder's mark arrives alone: the dialer sent nothing before or after it.
    holder.write("mark");
    holder.waitForBytesWritten(5000);
    QVERIFY(modem.waitUntilHeard("mark"));
    QCOMPARE(modem.heard, QByteArray("mark"));
}

void TestDialer::missingPortSendsNothing_data()
{
    QTest::addColumn<bool>("danglingLink");
    QTest::newRow("no link, no machine port") << false;
    QTest::newRow("link to a missing device") << true;
}

void TestDialer::missingPortSendsNothing()
{
    QFETCH(bool, danglingLink);
    WorkDir dir;
    dir.write(u"setup.dat"_s, setupBytes(0));
    SerialPorts::setMachinePorts(dir.filePath(u"ttyS%1"_s));
    const QString link = dir.filePath(u"com1"_s);
    if (danglingLink)
        QVERIFY(QFile::link(dir.filePath(u"ttyUSB7"_s), link));
    // A link that leads nowhere names the port still: the call must not go to another port.
    QCOMPARE(SerialPorts::deviceFor(1), danglingLink ? link : dir.filePath(u"ttyS0"_s));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);

    Form11 w;
    w.show();
    child<QLineEdit>(&w, u"Text1"_s)->setText(u"5551234"_s);
    m_dialogs->answerMessage(Dialogs::Answer::Ok, NotFound);
    child<QPushButton>(&w, u"Dial"_s)->click();

    QCOMPARE(m_dialogs->asked().size(), 1);
    QCOMPARE(child<QLineEdit>(&w, u"Text2"_s)->text(), NotFound);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), before);
}

void TestDialer::dialledFromTheFrameByTheKeyboard()
{
    ModemLine line;
    QVERIFY2(line.isReady(), qPrintable(line.errorText()));
    FakeModem &modem = line.modem;
    TestFrame frame;
    QTest::keyClick(&frame, Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
    auto *w = qobject_cast<Form11 *>(frame.toolWindow(ToolWindowId::Form11));
    QVERIFY(w);
    closeIfHanging(w);
    QApplication::setActiveWindow(w);
    QWidget *number = QApplication::focusWidget();
    QVERIFY(number);
    QCOMPARE(number->objectName(), u"Text1"_s);
    QTest::keyClicks(number, u"5551234"_s);

    m_dialogs->answerMessage(Dialogs::Answer::Ok, PickUp);
    bool answered = false;
    EveryPass modemSide([&] {
        if (!answered && modem.heard == "ATDT5551234;\r") {
            modem.answer("OK\r\n");
            answered = true;
        }
    });
    QTest::keyClick(number, Qt::Key_Return);
    QVERIFY(modem.waitUntilHeard("ATH\r"));
    QCOMPARE(modem.heard, QByteArray("ATDT5551234;\rATH\r"));
    QCOMPARE(m_dialogs->asked().size(), 1);
    QCOMPARE(child<QLineEdit>(w, u"Text2"_s)->text(), u"Dialing : 5551234"_s);
    w->close();
}

QTEST_MAIN(TestDialer)
#include "tst_dialer.moc"
