#include "preferences_window.h"

#include "settings/preference_files.h"

#include "platform/accessible_names.h"
#include "platform/dialogs.h"
#include "platform/field_box.h"
#include "platform/file_guard.h"
#include "platform/stored_text.h"
#include "platform/twips.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel *namedLabel(const char *name, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit *namedEdit(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

// An option button with its caption in a label beside it, as the window lays them out.
QRadioButton *option(const QString &name, QGridLayout *grid, int row, int column, QLabel *caption,
                     QButtonGroup *group)
{
    auto *button = new QRadioButton(grid->parentWidget());
    button->setObjectName(name);
    nameAfterLabel(button, caption);
    grid->addWidget(button, row, column);
    grid->addWidget(caption, row, column + 1);
    group->addButton(button);
    return button;
}

} // namespace

Form3::Form3(QWidget *parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Preferences"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    setTwipsGeometry(this, 420, 1800, 8535, 3780);

    // Start time.
    auto *timeBox = new QGroupBox(this);
    auto *timeGrid = new QGridLayout(timeBox);
    timeGrid->addWidget(namedLabel("Label8", QStringLiteral("Appointment"), timeBox), 0, 0, 1, 3);
    timeGrid->addWidget(namedLabel("Label1", QStringLiteral("Start Time"), timeBox), 1, 0);
    Text3 = namedEdit("Text3", timeBox);
    limitToField(Text3, PrefRecord::StartHourWidth);
    Text4 = namedEdit("Text4", timeBox);
    Text4->setMaximumWidth(twipsToPixels(500, this));
    timeGrid->addWidget(Text3, 1, 1);
    timeGrid->addWidget(Text4, 1, 2);
    nameAfterLabel(Text3, timeBox->findChild<QLabel *>(QStringLiteral("Label1")));
    nameForRole(Text4, QStringLiteral("AM or PM"));
    timeGrid->addWidget(namedLabel("Label17", QStringLiteral("Range : 6 AM to 10 AM"), timeBox), 2,
                        0, 1, 3);

    // Serial port.
    auto *portBox = new QGroupBox(this);
    auto *portGrid = new QGridLayout(portBox);
    portGrid->addWidget(namedLabel("Label10", QStringLiteral("ComPort Settings"), portBox), 0, 0, 1,
                        4);
    auto *portGroup = new QButtonGroup(this);
    const char *portLabels[] = {"Label11", "Label12", "Label13", "Label14"};
    for (int i = 0; i < 4; ++i) {
        QLabel *caption =
            namedLabel(portLabels[i], QStringLiteral("Port ") + QString::number(i + 1), portBox);
        QRadioButton *button = option(QStringLiteral("Option2_") + QString::number(i), portGrid,
                                      1 + i / 2, (i % 2) * 2, caption, portGroup);
        connect(button, &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
        Option2.append(button);
    }

    // Sound.
    auto *soundBox = new QGroupBox(this);
    auto *soundGrid = new QGridLayout(soundBox);
    soundGrid->addWidget(namedLabel("Label15", QStringLiteral("Sound Path"), soundBox), 0, 0);
    Text1 = namedEdit("Text1", soundBox);
    limitToField(Text1, PrefRecord::PathWidth);
    soundGrid->addWidget(Text1, 0, 1);
    soundGrid->addWidget(namedLabel("Label16", QStringLiteral(".Wav Path"), soundBox), 1, 0);
    Text2 = namedEdit("Text2", soundBox);
    limitToField(Text2, PrefRecord::PathWidth);
    soundGrid->addWidget(Text2, 1, 1);
    nameAfterLabel(Text1, soundBox->findChild<QLabel *>(QStringLiteral("Label15")));
    nameAfterLabel(Text2, soundBox->findChild<QLabel *>(QStringLiteral("Label16")));

    // Start-up window: indexes 0 to 2 down the left, 3 to 5 down the right.
    auto *startBox = new QGroupBox(this);
    auto *startGrid = new QGridLayout(startBox);
    startGrid->addWidget(namedLabel("Label9", QStringLiteral("Show on Startup"), startBox), 0, 0, 1,
                         4);
    struct Choice
    {
        const char *label;
        const char *caption;
    };
    const Choice choices[] = {
        {"Label2", "Personal Calendar"}, {"Label7", "Lists"}, {"Label4", "Business Phone"},
        {"Label5", "Reminder"},          {"Label6", "Todo"},  {"Label3", "Appointment Calendar"}};
    auto *startGroup = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        QLabel *caption = namedLabel(choices[i].label, QLatin1String(choices[i].caption), startBox);
        QRadioButton *button = option(QStringLiteral("Option1_") + QString::number(i), startGrid,
                                      1 + i % 3, (i / 3) * 2, caption, startGroup);
        connect(button, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        Option1.append(button);
    }

    Command1 = new QPushButton(QStringLiteral("Defaut Settings"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    Command2 = new QPushButton(QStringLiteral("Save and Exit"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);

    auto *left = new QVBoxLayout;
    left->addWidget(timeBox);
    left->addWidget(portBox);
    auto *right = new QVBoxLayout;
    right->addWidget(soundBox);
    right->addWidget(startBox);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    right->addLayout(buttons);
    auto *top = new QHBoxLayout(this);
    top->addLayout(left);
    top->addLayout(right, 1);
}

void Form3::Form_Load()
{
    Text4->setText(QStringLiteral("AM"));
    guarded(this, [this] {
        testpref();
        getpref();
    });
}

void Form3::testpref()
{
    if (!PreferenceFiles::setupExists())
        Createpref();
}

void Form3::Createpref()
{
    PreferenceFiles::writeSetup(PrefRecord::defaults(QStringLiteral("9 AM")));
}

void Form3::getpref()
{
    const PrefRecord prefs = PreferenceFiles::readSetup();
    appoint = prefs.StartHour;
    startup = prefs.StartupWindow;
    portnumb = prefs.PortIndex;
    showStoredText(Text1, shownText(prefs.SoundProgram));
    showStoredText(Text2, shownText(prefs.SoundFile));
    // Selecting a button runs its click step; a value out of range selects none.
    if (startup >= 0 && startup < Option1.size()) {
        Option1.at(startup)->setChecked(true);
        Option1_Click(startup);
    }
    if (portnumb >= 0 && portnumb < Option2.size()) {
        Option2.at(portnumb)->setChecked(true);
        Option2_Click(portnumb);
    }
    showStoredText(Text3, shownText(appoint));
}

void Form3::Option1_Click(int index)
{
    startup = qint16(index);
}

void Form3::Option2_Click(int index)
{
    portnumb = qint16(index);
}

void Form3::Command1_Click()
{
    Text3->setText(QStringLiteral("9"));
    Option1.at(0)->setChecked(true);
    Option1_Click(0);
    Option2.at(1)->setChecked(true);
    Option2_Click(1);
    Text1->setText(QStringLiteral("C:\\WINDOWS\\SNDREC32.EXE"));
    Text2->setText(QStringLiteral("C:\\WINDOWS\\DING.WAV"));
}

void Form3::Command2_Click()
{
    Dialogs::Message question;
    question.text = QStringLiteral("Do you want to Save Your Preferences ?");
    question.title = QStringLiteral("Save It");
    question.buttons = Dialogs::Buttons::YesNo;
    question.icon = Dialogs::Icon::Critical;
    question.defaultButton = 2;
    if (dialogs().message(this, question) != Dialogs::Answer::Yes)
        return;
    // A save that failed keeps the window open with the user's values.
    if (save())
        unload();
}

bool Form3::save()
{
    return guarded(this, [this] {
        appoint = Text3->text();
        PrefRecord prefs;
        prefs.StartHour = appoint;
        prefs.StartupWindow = startup;
        prefs.PortIndex = portnumb;
        prefs.SoundProgram = Text1->text();
        prefs.SoundFile = Text2->text();
        PreferenceFiles::writeSetup(prefs);
    });
}
