#include "app/window_table.h"
#include "settings/configured_font.h"
#include "shell/main_window.h"
#include "shell/preferences_window.h"
#include "shell/toolbar_table.h"

#include "platform/form.h"
#include "platform/status_panels.h"
#include "platform/twips.h"
#include "platform/working_date.h"

#include "frame.h"
#include "scripted_dialogs.h"
#include "typing.h"
#include "work_dir.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {

QByteArray setupBytes(const QByteArray &hour, qint16 startup, qint16 port,
                      const QByteArray &program, const QByteArray &sound)
{
    return le16(0) + padded(hour, 10) + le16(startup) + le16(port) + padded(program, 50) +
           padded(sound, 50);
}

const QByteArray DefaultProgram("C:\\WINDOWS\\sndrec32.exe");
const QByteArray DefaultSound("c:\\WINDOWS\\DING.WAV");

QByteArray configBytes(const QFont &font, int length)
{
    QByteArray bytes(length, '\0');
    bytes.replace(2042, 2, le16(font.bold() ? -1 : 0));
    bytes.replace(2044, 30, padded(font.family().toLatin1(), 30));
    bytes.replace(2074, 2, le16(qint16(qRound(font.pointSizeF()))));
    return bytes;
}

template <typename T> T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

// Counts the steps a window runs.
class CountingForm : public Form
{
public:
    int loads = 0, activations = 0, deactivations = 0, unloads = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Activate() override { ++activations; }
    void Form_Deactivate() override { ++deactivations; }
    void Form_Unload() override { ++unloads; }
};

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstStartCreatesThePreferenceFiles();
    void existingPreferencesAreReadNotRewritten();
    void startupOutsideTheTableOpensNothing_data();
    void startupOutsideTheTableOpensNothing();
    void unwritableSetupIsReported();
    void toolbarMatchesItsTable();
    void menusAreNamed();
    void toolbarRowsWriteTheStatusPanels();
    void statusPanelsShareTheBar_data();
    void statusPanelsShareTheBar();
    void fontsWritesConfigEvenWhenCancelled();
    void deactivationRestoresTheStartDate();
    void questionsOfAWindowKeepTheWorkingDate();
    void preferencesShowTheFileWithoutItsPadding();
    void typingAtTheEndOfAPreferenceKeepsIt_data();
    void typingAtTheEndOfAPreferenceKeepsIt();
    void defaultSettingsSavedOnYes();
    void noAnswerSavesNothingAndStays();
    void preferencesCreateTheirOwnDefaults();
    void windowsOpenOnce();
    void childWindowsRunTheirSteps();
    void configuredSizeOutsideAnyDialogIsIgnored_data();
    void configuredSizeOutsideAnyDialogIsIgnored();
    void frameGrowsToShowAChild_data();
    void frameGrowsToShowAChild();

private:
    ScriptedDialogs *m_dialogs = nullptr;
};

void TestShell::init()
{
    m_dialogs = new ScriptedDialogs;
    WorkingDate::setClock([] { return QDate(2026, 12, 10); });
    WorkingDate::set(QDate(2026, 12, 10));
    SetStatusText(QString());
    SetHintText(QString());
}

void TestShell::cleanup()
{
    QCOMPARE(m_dialogs->pending(), 0);
    delete m_dialogs;
    WorkingDate::setClock({});
}

void TestShell::firstStartCreatesThePreferenceFiles()
{
    WorkDir dir;
    VL32V1 window(createToolWindow);
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora (32 bit)"));
    QCOMPARE(dir.read(QStringLiteral("setup.dat")),
             setupBytes("9", 0, 0, DefaultProgram, DefaultSound));
    QCOMPARE(dir.read(QStringLiteral("config.dat")), configBytes(QApplication::font(), 2077));
    QCOMPARE(window.startup, qint16(0));
    QCOMPARE(window.appoint, QStringLiteral("9         "));
    QCOMPARE(StartDate(), QStringLiteral("12/10/2026"));
}

void TestShell::existingPreferencesAreReadNotRewritten()
{
    WorkDir dir;
    const QByteArray setup = setupBytes("10", 7, 2, "/usr/bin/play", "ding.wav");
    const QByteArray config = QByteArray(2076, '\x01');
    // Upper-case names are the same files and are kept.
    dir.write(QStringLiteral("SETUP.DAT"), setup);
    dir.write(QStringLiteral("config.dat"), config);
    VL32V1 window(createToolWindow);
    window.show();
    QCOMPARE(dir.read(QStringLiteral("SETUP.DAT")), setup);
    QCOMPARE(dir.read(QStringLiteral("config.dat")), config);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("setup.dat"))) ||
            dir.read(QStringLiteral("setup.dat")) == setup);
    QCOMPARE(window.appoint, QStringLiteral("10        "));
    QCOMPARE(window.startup, qint16(7));
    QCOMPARE(window.portnumb, qint16(2));
}

void TestShell::startupOutsideTheTableOpensNothing_data()
{
    QTest::addColumn<int>("startup");
    QTest::newRow("6") << 6;
    QTest::newRow("-1") << -1;
}

void TestShell::startupOutsideTheTableOpensNothing()
{
    QFETCH(int, startup);
    WorkDir dir;
    dir.write(QStringLiteral("setup.dat"),
              setupBytes("9", qint16(startup), 0, DefaultProgram, DefaultSound));
    VL32V1 window(createToolWindow);
    window.show();
    QVERIFY(window.mdiArea()->subWindowList().isEmpty());
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(files, QStringList({QStringLiteral("config.dat"), QStringLiteral("setup.dat")}));
}

void TestShell::unwritableSetupIsReported()
{
    WorkDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("setup.dat")); // a folder where the file should be
    m_dialogs->answerMessage(Dialogs::Answer::Ok);
    VL32V1 window(createToolWindow);
    window.show();
    QCOMPARE(m_dialogs->asked().size(), 1);
    QVERIFY(m_dialogs->lastAsked().message.text.startsWith(QStringLiteral("setup.dat: ")));
    QVERIFY(window.isVisible());
}

void TestShell::toolbarMatchesItsTable()
{
    WorkDir dir;
    VL32V1 window(createToolWindow);
    auto *toolbar = child<QToolBar>(&window, "Toolbar1");
    QVERIFY(toolbar);
    QStringList keys, tips;
    for (QAction *action : toolbar->actions()) {
        if (!action->objectName().isEmpty()) {
            keys << action->objectName();
            tips << action->toolTip();
        }
    }
    QCOMPARE(keys, QStringList({u"Main"_s, u"Todo"_s, u"Appointments"_s, u"Business"_s, u"Lists"_s,
                                u"Reminder"_s, u"launch"_s, u"Bills"_s, u"cal2"_s, u"sound"_s,
                                u"dialer"_s}));
    QCOMPARE(tips, QStringList({u"Calender"_s, u"Todo"_s, u"Appointments"_s, u"Business Phone"_s,
                                u"Lists"_s, u"Reminder"_s, u"Launcher"_s, u"Expenses"_s,
                                u"Small Calendar"_s, u"Sound"_s, u"Dialer"_s}));
    QCOMPARE(toolbar->actions().size(), 20);
    QCOMPARE(toolbarEntries().size(), 20);
    QVERIFY(toolbar->actions().at(14)->isSeparator());
    QCOMPARE(toolbar->findChild<QAction *>(QStringLiteral("Bills"))->data().toInt(), 17);
}

void TestShell::menusAreNamed()
{
    WorkDir dir;
    VL32V1 window(createToolWindow);
    const struct
    {
        const char *name;
        const char *caption;
    } commands[] = {
        {"fontmnu", "Fonts"},     {"prefmenu", "Preferences"}, {"exitmenu", "Exit"},
        {"smallcal", "Calender"}, {"launchit", "Launch"},      {"dialmnu", "Dialer"},
        {"soundmnu", "Sound"},    {"aboutit", "About"},        {"contentmnu", "Contents"}};
    for (const auto &command : commands) {
        auto *action = window.findChild<QAction *>(QLatin1String(command.name));
        QVERIFY2(action, command.name);
        QCOMPARE(action->text(), QLatin1String(command.caption));
        QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(child<QMenu>(&window, "filemenu")->title(), QStringLiteral("&Options"));
    QCOMPARE(child<QMenu>(&window, "helpmenu")->title(), QStringLiteral("&Help"));
    // With "Export..." (tst_export).
    QCOMPARE(child<QMenu>(&window, "filemenu")->actions().size(), 4);
    for (const char *name : {"Panel1", "Panel2", "Panel3"})
        QVERIFY(child<StatusPanel>(&window, name));
}

void TestShell::toolbarRowsWriteTheStatusPanels()
{
    WorkDir dir;
    VL32V1 window(createToolWindow);
    window.show();
    auto *panel2 = child<StatusPanel>(&window, "Panel2");
    auto *panel3 = child<StatusPanel>(&window, "Panel3");
    SetStatusText(QStringLiteral("left over"));
    window.Toolbar1_ButtonClick(QStringLiteral("Main"));
    QCOMPARE(panel2->text(), QString());
    SetStatusText(QStringLiteral("kept"));
    WorkingDate::setFromText(u"1/1/1990");
    window.Toolbar1_ButtonClick(QStringLiteral("Bills"));
    QCOMPARE(panel2->text(), QStringLiteral("kept"));
    QCOMPARE(panel3->text(),
             QStringLiteral("HINT : Click the Sum Button to Update the Total Amount box"));
    QCOMPARE(WorkingDate::current(), QDate(2026, 12, 10));
    window.Toolbar1_ButtonClick(QStringLiteral("sound"));
    QCOMPARE(panel3->text(),
             QStringLiteral("HINT : Click the Sum Button to Update the Total Amount box"));
    QCOMPARE(panel2->text(), QString());
    window.Toolbar1_ButtonClick(QStringLiteral("reminder")); // keys match case-sensitively
    QCOMPARE(panel3->text(),
             QStringLiteral("HINT : Click the Sum Button to Update the Total Amount box"));
    window.Toolbar1_ButtonClick(QStringLiteral("Reminder"));
    QCOMPARE(panel3->text(),
             QStringLiteral("HINT : Date format Month/Day/Year - Example: 12/5/97"));
}

void TestShell::statusPanelsShareTheBar_data()
{
    QTest::addColumn<int>("frameWidth");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("fits");
    const QString printed = u"Printed to /home/user/Documents/Velmora/printouts/2026/December/"
                            u"week 50/lists of the household/LISTS-20261210-101500.pdf"_s;
    // Narrower than panels 1 and 3 want together.
    QTest::newRow("narrow frame") << 400 << printed << false;
    QTest::newRow("wide frame, long text") << 1400 << printed << false;
    QTest::newRow("wide frame, short text") << 1400 << u"Printed"_s << true;
}

void TestShell::statusPanelsShareTheBar()
{
    QFETCH(int, frameWidth);
    QFETCH(QString, status);
    QFETCH(bool, fits);
    WorkDir dir;
    VL32V1 window(createToolWindow);
    window.show();
    SetStatusText(status);
    window.resize(frameWidth, window.height());
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(window.width(), frameWidth);

    const QRect bar = window.statusBar()->rect();
    QList<StatusPanel *> panels;
    for (const char *name : {"Panel1", "Panel2", "Panel3"})
        panels << child<StatusPanel>(window.statusBar(), name);
    for (int i = 0; i < panels.size(); ++i) {
        QVERIFY2(bar.contains(panels[i]->geometry()), panels[i]->objectName().toLatin1());
        if (i > 0)
            QVERIFY2(panels[i - 1]->geometry().right() < panels[i]->geometry().left(),
                     "panels overlap or are out of order");
    }
    // With room for every panel, panels 1 and 3 keep their widths and the notice shows whole.
    if (frameWidth > twipsToPixels(5998 + 1440 + 8714, &window)) {
        QCOMPARE(panels[0]->shownText(), panels[0]->text());
        QVERIFY(panels[0]->width() >= twipsToPixels(5998, &window));
        QVERIFY(panels[2]->width() >= twipsToPixels(8714, &window));
    }

    StatusPanel *panel2 = panels[1];
    QCOMPARE(panel2->text(), status);
    const QString shown = panel2->shownText();
    QVERIFY(panel2->fontMetrics().horizontalAdvance(shown) <= panel2->contentsRect().width());
    if (fits) {
        QCOMPARE(shown, status);
        QCOMPARE(panel2->toolTip(), QString());
    } else {
        // Cut in the middle: the start and the file name's end stay in sight.
        QVERIFY2(shown.contains(u'\u2026'), qPrintable(shown));
        QVERIFY(status.startsWith(shown.section(u'\u2026', 0, 0)));
        QVERIFY(status.endsWith(shown.section(u'\u2026', 1)));
        QCOMPARE(panel2->toolTip(), status);
    }
}

void TestShell::fontsWritesConfigEvenWhenCancelled()
{
    WorkDir dir;
    VL32V1 window(createToolWindow);
    window.show();
    const QFont initial = window.dialogFont();
    dir.write(QStringLiteral("config.dat"), QByteArray(2077, 'x'));
    m_dialogs->answerFont(false);
    window.findChild<QAction *>(QStringLiteral("fontmnu"))->trigger();
    QCOMPARE(dir.read(QStringLiteral("config.dat")), configBytes(initial, 2077));

    QFont chosen(QStringLiteral("A very long font family name beyond thirty characters"));
    chosen.setPointSizeF(11.6);
    chosen.setBold(true);
    m_dialogs->answerFont(true, chosen);
    window.findChild<QAction *>(QStringLiteral("fontmnu"))->trigger();
    const QByteArray config = dir.read(QStringLiteral("config.dat"));
    QCOMPARE(config.size(), 2077);
    QCOMPARE(config.mid(2042, 2), le16(-1));
    QCOMPARE(config.mid(2044, 30), QByteArray("A very long font family name b"));
    QCOMPARE(config.mid(2074, 2), le16(12));
    QCOMPARE(config.at(2076), '\0');
    QCOMPARE(config.left(2042), QByteArray(2042, '\0'));
}

void TestShell::questionsOfAWindowKeepTheWorkingDate()
{
    WorkDir dir;
    TestFrame frame;
    QWidget *child = frame.openWindow(ToolWindowId::form5);
    QVERIFY(child);
    QApplication::setActiveWindow(&frame);
    const QDate start = WorkingDate::fromText(StartDate());
    WorkingDate::setFromText(u"5/1/2025");
    // A question the window asks is no window of the program's own.
    {
        QMessageBox question(QMessageBox::Critical, u"Delete"_s, u"Delete ?"_s,
                             QMessageBox::Yes | QMessageBox::No, child);
        question.show();
        QApplication::setActiveWindow(&question);
        QCOMPARE(QApplication::activeWindow(), &question);
        QCOMPARE(WorkingDate::current(), QDate(2025, 5, 1));
    }
    QApplication::setActiveWindow(&frame);
    QCOMPARE(WorkingDate::current(), QDate(2025, 5, 1));
    // A window of its own is.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QCOMPARE(WorkingDate::current(), start);
}

void TestShell::deactivationRestoresTheStartDate()
{
    WorkDir dir;
    VL32V1 window(createToolWindow);
    window.show();
    QApplication::setActiveWindow(&window);
    WorkingDate::setFromText(u"5/5/1995");
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QCOMPARE(WorkingDate::current(), QDate(2026, 12, 10));
}

void TestShell::preferencesShowTheFileWithoutItsPadding()
{
    WorkDir dir;
    dir.write(QStringLiteral("setup.dat"), setupBytes("8 AM", 4, 3, "C:\\prog.exe", "d:\\x.wav"));
    Form3 form;
    form.show();
    QCOMPARE(child<QLineEdit>(&form, "Text3")->text(), QStringLiteral("8 AM"));
    QCOMPARE(child<QLineEdit>(&form, "Text4")->text(), QStringLiteral("AM"));
    QCOMPARE(child<QLineEdit>(&form, "Text1")->text(), QStringLiteral("C:\\prog.exe"));
    QCOMPARE(child<QLineEdit>(&form, "Text2")->text(), QStringLiteral("d:\\x.wav"));
    QVERIFY(child<QRadioButton>(&form, "Option1_4")->isChecked());
    QVERIFY(child<QRadioButton>(&form, "Option2_3")->isChecked());
    QCOMPARE(form.startup, qint16(4));
    QCOMPARE(form.portnumb, qint16(3));
    // Saved back unchanged.
    const QByteArray before = dir.read(QStringLiteral("setup.dat"));
    m_dialogs->answerMessage(Dialogs::Answer::Yes,
                             QStringLiteral("Do you want to Save Your Preferences ?"));
    child<QPushButton>(&form, "Command2")->click();
    QCOMPARE(dir.read(QStringLiteral("setup.dat")), before);
}

void TestShell::typingAtTheEndOfAPreferenceKeepsIt_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    QTest::newRow("start time") << u"Text3"_s << 2 << 10;
    QTest::newRow("sound program") << u"Text1"_s << 16 << 50;
    QTest::newRow("sound file") << u"Text2"_s << 66 << 50;
}

void TestShell::typingAtTheEndOfAPreferenceKeepsIt()
{
    QFETCH(QString, box);
    QFETCH(int, offset);
    QFETCH(int, width);
    WorkDir dir;
    const QByteArray setup = setupBytes("8", 4, 3, "/usr/bin/pw-play", "/home/ann/ding");
    dir.write(u"setup.dat"_s, setup);
    Form3 form;
    form.show();
    QApplication::setActiveWindow(&form);
    typeAtEnd(child<QLineEdit>(&form, box.toLatin1().constData()), u"1"_s);
    m_dialogs->answerMessage(Dialogs::Answer::Yes, u"Do you want to Save Your Preferences ?"_s);
    child<QPushButton>(&form, "Command2")->click();
    QCOMPARE(dir.read(u"setup.dat"_s), withTypedAtEnd(setup, offset, width, "1"));
}

void TestShell::defaultSettingsSavedOnYes()
{
    WorkDir dir;
    dir.write(QStringLiteral("setup.dat"), setupBytes("7", 5, 3, "x", "y"));
    Form3 form;
    form.show();
    child<QPushButton>(&form, "Command1")->click();
    QCOMPARE(child<QPushButton>(&form, "Command1")->text(), QStringLiteral("Defaut Settings"));
    QCOMPARE(dir.read(QStringLiteral("setup.dat")), setupBytes("7", 5, 3, "x", "y")); // not yet
    m_dialogs->answerMessage(Dialogs::Answer::Yes);
    child<QPushButton>(&form, "Command2")->click();
    const Dialogs::Message &asked = m_dialogs->lastAsked().message;
    QCOMPARE(asked.title, QStringLiteral("Save It"));
    QCOMPARE(asked.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(asked.icon, Dialogs::Icon::Critical);
    QCOMPARE(asked.defaultButton, 2);
    QCOMPARE(dir.read(QStringLiteral("setup.dat")),
             setupBytes("9", 0, 1, "C:\\WINDOWS\\SNDREC32.EXE", "C:\\WINDOWS\\DING.WAV"));
    QVERIFY(!form.isVisible());
}

void TestShell::noAnswerSavesNothingAndStays()
{
    WorkDir dir;
    Form3 form;
    form.show();
    const QByteArray before = dir.read(QStringLiteral("setup.dat"));
    child<QLineEdit>(&form, "Text3")->setText(QStringLiteral("a start hour far too long"));
    m_dialogs->answerMessage(Dialogs::Answer::No);
    child<QPushButton>(&form, "Command2")->click();
    QCOMPARE(dir.read(QStringLiteral("setup.dat")), before);
    QVERIFY(form.isVisible());
    m_dialogs->answerMessage(Dialogs::Answer::Yes);
    child<QPushButton>(&form, "Command2")->click();
    QCOMPARE(dir.read(QStringLiteral("setup.dat")).mid(2, 10), QByteArray("a start ho"));
}

void TestShell::preferencesCreateTheirOwnDefaults()
{
    WorkDir dir;
    Form3 form;
    form.show();
    QCOMPARE(dir.read(QStringLiteral("setup.dat")),
             setupBytes("9 AM", 0, 0, DefaultProgram, DefaultSound));
}

void TestShell::windowsOpenOnce()
{
    WorkDir dir;
    VL32V1 window(createToolWindow);
    window.show();
    window.findChild<QAction *>(QStringLiteral("aboutit"))->trigger();
    QWidget *about = window.toolWindow(ToolWindowId::Form12);
    QVERIFY(about);
    QCOMPARE(about->objectName(), QStringLiteral("Form12"));
    QVERIFY(about->isWindow());
    window.findChild<QAction *>(QStringLiteral("aboutit"))->trigger();
    QCOMPARE(window.toolWindow(ToolWindowId::Form12), about);
    QCOMPARE(child<QLabel>(about, "Label1")->text(), QStringLiteral("Velmora  (32 bit)"));
    QCOMPARE(child<QLabel>(about, "Label4")->text(),
             u"Data folder: "_s + QDir::toNativeSeparators(QDir::currentPath()) +
                 u"\nDaily backups: "_s + QDir::toNativeSeparators(dir.filePath(u"backups"_s)));
    about->close();
    QTRY_VERIFY(!window.toolWindow(ToolWindowId::Form12));
}

void TestShell::childWindowsRunTheirSteps()
{
    QMainWindow frame;
    auto *area = new QMdiArea(&frame);
    frame.setCentralWidget(area);
    frame.show();
    QApplication::setActiveWindow(&frame);
    auto *first = new CountingForm;
    auto *second = new CountingForm;
    QMdiSubWindow *firstSub = area->addSubWindow(first);
    firstSub->setAttribute(Qt::WA_DeleteOnClose);
    firstSub->show();
    area->setActiveSubWindow(firstSub);
    QCOMPARE(first->loads, 1);
    QCOMPARE(first->activations, 1);
    QMdiSubWindow *secondSub = area->addSubWindow(second);
    secondSub->show();
    area->setActiveSubWindow(secondSub);
    QCOMPARE(first->deactivations, 1);
    QCOMPARE(second->activations, 1);
    area->setActiveSubWindow(firstSub);
    QCOMPARE(first->activations, 2);
    QCOMPARE(first->loads, 1);

    // Closing from the window's own code takes its frame along.
    QPointer<QMdiSubWindow> closing = firstSub;
    QPointer<CountingForm> closed = first;
    first->unload();
    QCOMPARE(first->unloads, 1);
    QTRY_VERIFY(!closing);
    QVERIFY(!closed);
    QCOMPARE(area->subWindowList().size(), 1);
}

void TestShell::frameGrowsToShowAChild_data()
{
    QTest::addColumn<QString>("key");
    // Windows laid out by a layout and windows that place their controls by hand.
    for (const char *key : {"Main", "Appointments", "Reminder", "Todo", "Lists", "Bills"})
        QTest::newRow(key) << QString::fromLatin1(key);
}

void TestShell::frameGrowsToShowAChild()
{
    QFETCH(QString, key);
    WorkDir dir;
    VL32V1 window(createToolWindow);
    window.show();
    window.Toolbar1_ButtonClick(key);
    QMdiSubWindow *sub = window.mdiArea()->activeSubWindow();
    QVERIFY(sub);
    const QRect room(QPoint(0, 0), window.mdiArea()->viewport()->size());
    QVERIFY2(room.contains(sub->geometry()), "the child is cut off by the frame");
    QVERIFY2(sub->widget()->width() >= twipsToPixels(3000, &window) &&
                 sub->widget()->height() >= twipsToPixels(3000, &window),
             "the child opened too small to use");
}

void TestShell::configuredSizeOutsideAnyDialogIsIgnored_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("12") << 12 << 12;
    QTest::newRow("none yet") << 0 << 9;
    QTest::newRow("negative") << -5 << 9;
    QTest::newRow("damaged") << 30000 << 9;
}

void TestShell::configuredSizeOutsideAnyDialogIsIgnored()
{
    QFETCH(int, stored);
    QFETCH(int, shown);
    WorkDir dir;
    QByteArray config(2076, '\0');
    config.replace(2074, 2, le16(qint16(stored)));
    dir.write(QStringLiteral("config.dat"), config);
    QLineEdit box;
    QFont font = box.font();
    font.setPointSize(9);
    box.setFont(font);
    ConfiguredFont::read(2076).applySize(&box);
    QCOMPARE(box.font().pointSize(), shown);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
