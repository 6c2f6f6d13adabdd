#include "qt_serial_line.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include <sys/ioctl.h>

namespace {

QString &machinePortPattern()
{
    static QString pattern;
    return pattern;
}

QSerialPort::Parity parityFor(char parity)
{
    switch (parity) {
    case 'E':
    case 'e':
        return QSerialPort::EvenParity;
    case 'O':
    case 'o':
        return QSerialPort::OddParity;
    case 'M':
    case 'm':
        return QSerialPort::MarkParity;
    case 'S':
    case 's':
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

// Exit codes of the wait loop; anything else means the program asked every loop to end.
constexpr int InputOrTimeout = 1;

} // namespace

std::unique_ptr<SerialLine> createSerialLine()
{
    return std::make_unique<QtSerialLine>();
}

namespace SerialPorts {

QString deviceFor(int portNumber)
{
    if (portNumber < 1)
        return QString();
    const QFileInfo link(
        QDir::current().filePath(QStringLiteral("com") + QString::number(portNumber)));
    if (link.isSymLink() || link.exists()) {
        // A link whose device is gone stays the port's name, so opening it fails rather than
        // dialling on another port.
        const QString target = link.canonicalFilePath();
        return target.isEmpty() ? link.absoluteFilePath() : target;
    }
    const QString &pattern = machinePortPattern();
    return (pattern.isEmpty() ? QStringLiteral("/dev/ttyS%1") : pattern).arg(portNumber - 1);
}

void setMachinePorts(const QString &pattern)
{
    machinePortPattern() = pattern;
}

} // namespace SerialPorts

bool QtSerialLine::open(int portNumber, const Settings &settings)
{
    if (m_port.isOpen())
        return false;
    const QString device = SerialPorts::deviceFor(portNumber);
    if (device.isEmpty())
        return false;
    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite))
        return false;
    if (!applySettings(settings)) {
        m_port.close();
        return false;
    }
    return true;
}

bool QtSerialLine::applySettings(const Settings &settings)
{
    return m_port.setBaudRate(settings.baudRate) && m_port.setParity(parityFor(settings.parity)) &&
           m_port.setDataBits(QSerialPort::DataBits(settings.dataBits)) &&
           m_port.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop
                                                     : QSerialPort::OneStop) &&
           m_port.setFlowControl(QSerialPort::NoFlowControl);
}

void QtSerialLine::close()
{
    if (m_port.isOpen())
        m_port.close();
}

bool QtSerialLine::write(const QByteArray &bytes)
{
    return m_port.write(bytes) == bytes.size();
}

bool QtSerialLine::flushOut(int msecs)
{
    if (!m_port.isOpen())
        return false;
    const QDeadlineTimer deadline(msecs);
    while (m_port.bytesToWrite() > 0) {
        if (deadline.hasExpired() || !m_port.waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    // The driver still holds what has not left the wire; at 300 baud a command takes a while.
    int queued = 0;
    while (::ioctl(int(m_port.handle()), TIOCOUTQ, &queued) == 0 && queued > 0) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(5);
    }
    return true;
}

void QtSerialLine::discardInput()
{
    m_port.clear(QSerialPort::Input);
    m_port.readAll();
}

bool QtSerialLine::waitForInput(int msecs)
{
    if (m_port.bytesAvailable() > 0)
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(InputOrTimeout); });
    QObject::connect(&m_port, &QSerialPort::readyRead, &loop,
                     [&loop] { loop.exit(InputOrTimeout); });
    timer.start(msecs);
    return loop.exec() == InputOrTimeout;
}
