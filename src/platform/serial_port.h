#pragma once

#include <QByteArray>

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

    // false when the port is missing or already in use.
    virtual bool open(int portNumber, const Settings &settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual bool write(const QByteArray &bytes) = 0;
    // Waits until what was written has left for the device, up to msecs.
    virtual bool flushOut(int msecs) = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray readAll() = 0;
};
