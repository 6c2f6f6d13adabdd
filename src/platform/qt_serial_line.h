#pragma once

#include "serial_port.h"

#include <QSerialPort>

// A serial line on a QSerialPort. The port has no parent, so the line outlives a window that
// closes while a call is in progress.
class QtSerialLine : public SerialLine
{
public:
    bool open(int portNumber, const Settings &settings) override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }

    bool write(const QByteArray &bytes) override;
    bool flushOut(int msecs) override;
    void discardInput() override;
    qint64 bytesAvailable() const override { return m_port.bytesAvailable(); }
    QByteArray readAll() override { return m_port.readAll(); }

    bool waitForInput(int msecs) override;

private:
    bool applySettings(const Settings &settings);

    QSerialPort m_port;
};
