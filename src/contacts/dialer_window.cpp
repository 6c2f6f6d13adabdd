#include "dialer_window.h"

#include "platform/accessible_names.h"
#include "platform/blanks.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/file_guard.h"
#include "platform/placed_controls.h"
#include "platform/twips.h"
#include "settings/preference_files.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// How long one pass of the wait for the modem's answer sleeps when nothing happens.
constexpr int WaitSliceMsecs = 20;
// Long enough for "ATH" and a carriage return at 300 baud, with room for a slow driver.
constexpr int HangUpMsecs = 2000;
// How long a call waits for the modem's "OK" before it gives up.
constexpr int AnswerMsecs = 30000;

// VELMORA_DIAL_TIMEOUT_MS shortens the wait for the modem's answer, so tests need not wait.
int answerMsecs()
{
    bool ok = false;
    const int msecs = qEnvironmentVariableIntValue("VELMORA_DIAL_TIMEOUT_MS", &ok);
    return ok && msecs > 0 ? msecs : AnswerMsecs;
}

// A keypad key: its caption is kept as given and wraps into lines inside the key.
class KeypadButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.drawItemText(rect(), Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                             text(), QPalette::ButtonText);
    }
};

struct Key
{
    const char *name;
    const char *caption;
    int digit;
    int left;
    int top;
};

const Key Keys[] = {
    {"Command1", "1", 1, 360, 1080},
    {"Command2", "     2          ABC", 2, 1320, 1080},
    {"Command3", "     3          DEF", 3, 2280, 1080},
    {"Command4", "     4          GHI", 4, 360, 1680},
    {"Command5", "     5          JKL", 5, 1320, 1680},
    {"Command6", "     6          MNO", 6, 2280, 1680},
    {"Command7", "     7          PRS", 7, 360, 2280},
    {"Command8", "     8          TUV", 8, 1320, 2280},
    {"Command9", "     9          WXY", 9, 2280, 2280},
    {"Command11", "     0         OPER", 0, 360, 2880},
};

void showMessage(QWidget *parent, const QString &text)
{
    Dialogs::Message message;
    message.text = text;
    dialogs().message(parent, message);
}

} // namespace

Form11::Form11(QWidget *parent) : Form(parent), MSComm1(createSerialLine())
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Phone Dialer"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    resizeTwips(this, 3375, 3855);
    setFixedSize(size());

    Frame1 = twipsControl<QGroupBox>(this, QStringLiteral("Frame1"), 0, -120, 3375, 3975);

    Label1 = placedLabel(Frame1, "Label1", QStringLiteral("Number to Dial"), 1080, 120, 1455, 255);

    Text1 = twipsControl<QLineEdit>(Frame1, QStringLiteral("Text1"), 360, 360, 2655, 285);

    Text2 = twipsControl<QLineEdit>(Frame1, QStringLiteral("Text2"), 360, 720, 2655, 285);
    nameAfterLabel(Text1, Label1);
    nameForRole(Text2, QStringLiteral("Dial status"));
    showAsButtonFace(Text2);

    for (const Key &key : Keys) {
        auto *button = new KeypadButton(QLatin1String(key.caption), Frame1);
        button->setObjectName(QLatin1String(key.name));
        setTwipsGeometry(button, key.left, key.top, 735, 495);
        const int digit = key.digit;
        connect(button, &QPushButton::clicked, this, [this, digit] { Command_Click(digit); });
        keypad.append(button);
    }

    CancelButton =
        placedButton(Frame1, "CancelButton", QStringLiteral("Cancel Dial"), 1320, 2880, 1695, 495);
    // Nothing to cancel until a call runs.
    CancelButton->setEnabled(false);
    connect(CancelButton, &QPushButton::clicked, this, &Form11::CancelButton_Click);

    Dial = placedButton(Frame1, "Dial", QStringLiteral("Dial"), 360, 3480, 2655, 375);
    connect(Dial, &QPushButton::clicked, this, &Form11::Dial_Click);
    // Return in the number dials it, as the button does.
    connect(Text1, &QLineEdit::returnPressed, this, &Form11::Dial_Click);
}

Form11::~Form11() = default;

void Form11::Form_Load()
{
    guarded(this, [this] { getpref(); });
    Text1->clear();
    Text2->clear();
    m_commPort = portnumb + 1;
    Text2->setText(QStringLiteral("Port ") + QString::number(m_commPort));
}

void Form11::Form_Unload()
{
    // A window closed during a call hangs the modem up instead of leaving the call waiting.
    if (m_callsInProgress > 0)
        CancelFlag = true;
}

void Form11::getpref()
{
    portnumb = PreferenceFiles::readSetup().PortIndex;
}

void Form11::Command_Click(int digit)
{
    Text1->setText(Text1->text() + QString::number(digit));
}

void Form11::Dial_Click()
{
    Dialer();
}

void Form11::CancelButton_Click()
{
    CancelFlag = true;
    CancelButton->setEnabled(false);
    dialnumber.clear();
}

void Form11::Dialer()
{
    const QString number = trimBlanks(Text1->text());
    dialnumber = number;
    const QByteArray dialString = "ATDT" + Cp1252::encode(dialnumber) + ";\r";

    // The line, not the window, carries the call: it stays until the hang-up even when the
    // window is closed meanwhile.
    const std::shared_ptr<SerialLine> line = MSComm1;
    if (!line->open(m_commPort, SerialLine::Settings{300, 'N', 8, 1})) {
        // A dial refused during a call leaves that call's status standing.
        if (m_callsInProgress == 0)
            Text2->setText(QStringLiteral("COM Port Not Found"));
        showMessage(this, QStringLiteral("COM Port Not Found"));
        return;
    }
    Text2->setText(QStringLiteral("Dialing : ") + number);
    line->discardInput();
    line->write(dialString);

    const QPointer<Form11> self(this);
    ++m_callsInProgress;
    CancelFlag = false;
    CancelButton->setEnabled(true);
    m_reply.clear();
    const QDeadlineTimer answerDeadline(answerMsecs());
    for (;;) {
        const bool running =
            line->waitForInput(int(qMin<qint64>(WaitSliceMsecs, answerDeadline.remainingTime())));
        if (!self || !running)
            break;
        if (line->bytesAvailable() > 0) {
            m_reply += line->readAll();
            if (m_reply.contains("OK")) {
                QApplication::beep();
                showMessage(this, QStringLiteral("When phone is done Dialing - Click OK"));
                break;
            }
        }
        if (CancelFlag) {
            CancelFlag = false;
            break;
        }
        if (answerDeadline.hasExpired()) {
            Text2->setText(QStringLiteral("No answer from the modem"));
            break;
        }
    }
    if (self) {
        --m_callsInProgress;
        CancelButton->setEnabled(false);
    }

    line->write("ATH\r");
    line->flushOut(HangUpMsecs);
    line->close();
}
