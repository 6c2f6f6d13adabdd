#pragma once

#include "platform/form.h"
#include "platform/serial_port.h"

#include <QByteArray>
#include <QList>

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The phone dialer: dials a voice call through a Hayes-compatible modem on the port the
// preferences name, then hands the line to the user's telephone.
class Form11 : public Form
{
    Q_OBJECT

public:
    explicit Form11(QWidget *parent = nullptr);
    ~Form11() override;

    QString dialnumber;
    qint16 portnumb = 0;
    bool CancelFlag = false;

    void getpref();
    void Dialer();

    void Command_Click(int digit);
    void Dial_Click();
    void CancelButton_Click();

    // The port the line opens, 1 for the first.
    int commPort() const { return m_commPort; }
    // What the modem has answered so far in the call in progress.
    const QByteArray &reply() const { return m_reply; }

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    QGroupBox *Frame1;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLabel *Label1;
    QPushButton *CancelButton;
    QPushButton *Dial;
    QList<QPushButton *> keypad;
    // Shared with a call in progress, which hangs up even when the window goes first.
    std::shared_ptr<SerialLine> MSComm1;

    int m_commPort = 1;
    int m_callsInProgress = 0;
    QByteArray m_reply;
};
