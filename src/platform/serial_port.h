#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// A serial line to a modem. Port n (1 to 4) is the n-th port of the machine.
class SerialLine
{
public:
    struct Settings
    {
        int baudRate = 300;
        char parity = 'N';
        int dataBits = 8;
        int stopBits = 1;
    };

    virtual ~SerialLine() = default;

    // false when the port is missing, in use by another program or already open on this line.
    virtual bool open(int portNumber, const Settings &settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual bool write(const QByteArray &bytes) = 0;
    // Waits until what was written has left for the device, up to msecs.
    virtual bool flushOut(int msecs) = 0;
    // Drops whatever arrived and was not read yet.
    virtual void discardInput() = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray readAll() = 0;

    // Lets the program's events run until input is pending or msecs have passed, sleeping
    // meanwhile. false when the program is ending and no further events will run.
    virtual bool waitForInput(int msecs) = 0;
};

// The line the program dials on: a serial port of the machine.
std::unique_ptr<SerialLine> createSerialLine();

namespace SerialPorts {

// The device of port n: a link "com<n>" in the working directory when there is one (so a user
// can point a port at /dev/ttyUSB0 or a pty), else the machine's own port, /dev/ttyS<n-1>.
// Empty for a port below 1.
QString deviceFor(int portNumber);

// Where the machine's own ports are: "%1" stands for the 0-based port index. Tests point it at
// a folder without devices; an empty pattern brings back "/dev/ttyS%1".
void setMachinePorts(const QString &pattern);

} // namespace SerialPorts
