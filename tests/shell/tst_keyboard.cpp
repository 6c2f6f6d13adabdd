#include "calendar/appointment_records.h"
#include "calendar/month_grid.h"
#include "shell/tool_windows.h"
#include "shell/toolbar_table.h"
#include "tools/expenses_window.h"

#include "platform/status_panels.h"
#include "platform/working_date.h"

#include "frame.h"
#include "scripted_dialogs.h"
#include "work_dir.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The clock says 10 December 2026.
const QDate Today(2026, 12, 10);

// The toolbar's windows in its order, which the Window menu keeps, with their shortcuts.
struct ToolbarWindow
{
    const char *key;
    ToolWindowId id;
    const char *caption;
    const char *shortcut;
};

const ToolbarWindow ToolbarWindows[] = {
    {"Main", ToolWindowId::Form1, "Calender", "Ctrl+1"},
    {"Todo", ToolWindowId::Todo, "Todo", "Ctrl+2"},
    {"Appointments", ToolWindowId::form5, "Appointments", "Ctrl+3"},
    {"Business", ToolWindowId::Form4, "Business Phone", "Ctrl+4"},
    {"Lists", ToolWindowId::Form6, "Lists", "Ctrl+5"},
    {"Reminder", ToolWindowId::Form8, "Reminder", "Ctrl+6"},
    {"launch", ToolWindowId::runit, "Launcher", "Ctrl+7"},
    {"Bills", ToolWindowId::Form13, "Expenses", "Ctrl+8"},
    {"cal2", ToolWindowId::Form10, "Small Calendar", "Ctrl+9"},
    {"sound", ToolWindowId::Form14, "Sound", "Ctrl+0"},
    {"dialer", ToolWindowId::Form11, "Dialer", "Ctrl+Shift+1"},
};

const ToolbarWindow &toolbarWindow(const QString &key)
{
    for (const ToolbarWindow &window : ToolbarWindows) {
        if (key == QLatin1String(window.key))
            return window;
    }
    qFatal("no toolbar window %s", qPrintable(key));
}

// Presses keys on whatever has the focus, as a user does.
void press(QWidget *fallback, const QKeySequence &keys)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : fallback;
    const QKeyCombination combination = keys[0];
    QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    QApplication::processEvents();
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void typeText(const QString &text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

// The windows that menu commands open, by the commands' names.
struct MenuWindow
{
    const char *command;
    ToolWindowId id;
};

const MenuWindow MenuWindows[] = {{"prefmenu", ToolWindowId::Form3},
                                  {"contentmnu", ToolWindowId::Form9}};

// Opens a toolbar window by its shortcut on the frame, or another window by its menu command;
// the window, active.
QWidget *openByShortcut(TestFrame &frame, const QString &key)
{
    QWidget *opened = nullptr;
    bool byMenu = false;
    for (const MenuWindow &menuWindow : MenuWindows) {
        if (key == QLatin1String(menuWindow.command)) {
            opened = frame.openByCommand(key, menuWindow.id);
            byMenu = true;
        }
    }
    if (!byMenu) {
        const ToolbarWindow &window = toolbarWindow(key);
        press(&frame, QKeySequence(QLatin1String(window.shortcut)));
        opened = frame.toolWindow(window.id);
    }
    if (opened)
        QApplication::setActiveWindow(opened->window());
    return opened;
}

QString focusName()
{
    const QWidget *focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

// The objectNames that Tab (or Shift+Tab) reaches from the first stop on, until it comes back
// there or leaves the window; never more than limit.
QStringList tabWalk(QWidget *window, QWidget *first, bool backwards, qsizetype limit)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList names;
    QWidget *at = QApplication::focusWidget();
    while (at && window->isAncestorOf(at) && names.size() < limit) {
        names.append(at->objectName());
        if (backwards)
            QTest::keyClick(at, Qt::Key_Backtab, Qt::ShiftModifier);
        else
            QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
        if (at == first)
            break;
    }
    return names;
}

// The stops a backwards walk from the same first stop meets.
QStringList backwards(const QStringList &stops)
{
    QStringList back{stops.first()};
    for (qsizetype i = stops.size() - 1; i > 0; --i)
        back.append(stops.at(i));
    return back;
}

void closeOwnWindows(TestFrame &frame)
{
    for (const ToolWindowId id : {ToolWindowId::Form10, ToolWindowId::Form11, ToolWindowId::runit,
                                  ToolWindowId::Form14, ToolWindowId::Form3, ToolWindowId::Form9}) {
        if (QWidget *open = frame.toolWindow(id))
            open->close();
    }
}

QMenu *windowMenu(TestFrame &frame)
{
    return frame.findChild<QMenu *>(u"windowmenu"_s);
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowMenuFollowsTheToolbar();
    void shortcutRunsWhatItsButtonRuns_data();
    void shortcutRunsWhatItsButtonRuns();
    void windowMenuListsTheOpenWindows();
    void tabFollowsTheReadingOrder_data();
    void tabFollowsTheReadingOrder();
    void addLeavesTheFocusOnTheNewEntry_data();
    void addLeavesTheFocusOnTheNewEntry();

    // What a user does from the keyboard alone, from the frame on.
    void appointmentEnteredFromTheKeyboard();
    void expenseRowTypedWithTab();

private:
    std::unique_ptr<WorkDir> m_dir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
};

void TestKeyboard::init()
{
    WorkingDate::setClock([] { return Today; });
    WorkingDate::set(Today);
    RecordStartDate();
    m_dir = std::make_unique<WorkDir>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
}

void TestKeyboard::cleanup()
{
    QCOMPARE(m_dialogs->pending(), 0);
    m_dialogs.reset();
    m_dir.reset();
    WorkingDate::setClock({});
}

void TestKeyboard::windowMenuFollowsTheToolbar()
{
    TestFrame frame;
    const QList<QAction *> bar = frame.menuBar()->actions();
    QStringList names;
    for (const QAction *action : bar)
        names.append(action->menu() ? action->menu()->objectName() : action->objectName());
    const qsizetype at = names.indexOf(u"windowmenu"_s);
    QCOMPARE(names.at(at - 1), u"soundmnu"_s);
    QCOMPARE(names.at(at + 1), u"helpmenu"_s);
    QMenu *menu = windowMenu(frame);
    QCOMPARE(menu->title(), u"&Window"_s);

    const QList<QAction *> entries = menu->actions();
    QCOMPARE(entries.size(), int(std::size(ToolbarWindows)) + 5); // + rule, 3, rule
    QSet<QKeySequence> shortcuts;
    for (int i = 0; i < int(std::size(ToolbarWindows)); ++i) {
        QCOMPARE(entries.at(i)->text(), QLatin1String(ToolbarWindows[i].caption));
        QCOMPARE(entries.at(i)->shortcut(),
                 QKeySequence(QLatin1String(ToolbarWindows[i].shortcut)));
        shortcuts.insert(entries.at(i)->shortcut());
    }
    QCOMPARE(shortcuts.size(), int(std::size(ToolbarWindows)));
    QVERIFY(entries.at(11)->isSeparator());
    QCOMPARE(entries.at(12)->text(), u"Cascade"_s);
    QCOMPARE(entries.at(13)->text(), u"Tile"_s);
    QCOMPARE(entries.at(14)->text(), u"Next"_s);
    QVERIFY(entries.at(15)->isSeparator());
    // Ctrl+Tab stays the window area's own.
    for (const QAction *entry : entries)
        QVERIFY(entry->shortcut() != QKeySequence(u"Ctrl+Tab"_s));
}

void TestKeyboard::shortcutRunsWhatItsButtonRuns_data()
{
    QTest::addColumn<QString>("key");
    for (const ToolbarWindow &window : ToolbarWindows)
        QTest::newRow(window.key) << QString::fromLatin1(window.key);
}

void TestKeyboard::shortcutRunsWhatItsButtonRuns()
{
    QFETCH(QString, key);
    const ToolbarAction *button = toolbarAction(key);
    QVERIFY(button);
    TestFrame frame;
    SetStatusText(u"before"_s);
    SetHintText(u"before"_s);
    QWidget *opened = openByShortcut(frame, key);
    QVERIFY(opened);
    QCOMPARE(opened->objectName(), toolWindowName(button->window));
    QVERIFY(opened->isVisible());
    // The button's steps: its hint, the status cleared, the start date back.
    if (button->steps.contains(ToolbarAction::Step::Hint))
        QCOMPARE(StatusPanels::hintText(), QString(button->hint));
    if (button->steps.contains(ToolbarAction::Step::ClearStatus))
        QCOMPARE(StatusPanels::statusText(), QString());
    QCOMPARE(WorkingDate::current(), Today);
    // Again: the open window comes to the front, no second one.
    QApplication::setActiveWindow(&frame);
    press(&frame, QKeySequence(QLatin1String(toolbarWindow(key).shortcut)));
    QCOMPARE(frame.toolWindow(button->window), opened);
    closeOwnWindows(frame);
}

void TestKeyboard::windowMenuListsTheOpenWindows()
{
    TestFrame frame;
    openByShortcut(frame, u"Todo"_s);
    QApplication::setActiveWindow(&frame);
    openByShortcut(frame, u"Lists"_s);
    QMenu *menu = windowMenu(frame);
    const auto openEntries = [menu] {
        emit menu->aboutToShow();
        QList<QAction *> entries = menu->actions();
        return entries.mid(16);
    };
    QList<QAction *> open = openEntries();
    QCOMPARE(open.size(), 2);
    QCOMPARE(open.at(0)->text(), u"&1 "_s + frame.toolWindow(ToolWindowId::Todo)->windowTitle());
    QCOMPARE(open.at(1)->text(), u"&2 LISTS"_s);
    QVERIFY(!open.at(0)->isChecked());
    QVERIFY(open.at(1)->isChecked()); // the active one
    open.at(0)->trigger();
    QCOMPARE(frame.mdiArea()->activeSubWindow()->widget(), frame.toolWindow(ToolWindowId::Todo));
    open = openEntries();
    QVERIFY(open.at(0)->isChecked());
    QVERIFY(!open.at(1)->isChecked());
    // "Next" goes on to the other one.
    menu->actions().at(14)->trigger();
    QCOMPARE(frame.mdiArea()->activeSubWindow()->widget(), frame.toolWindow(ToolWindowId::Form6));
    frame.mdiArea()->closeAllSubWindows();
    QVERIFY(openEntries().isEmpty());
}

void TestKeyboard::tabFollowsTheReadingOrder_data()
{
    QTest::addColumn<QString>("open"); // a toolbar key, or a menu command's name
    QTest::addColumn<QStringList>("stops");
    QTest::addColumn<QStringList>("back");
    const auto row = [](const char *open, const QStringList &stops) {
        QTest::newRow(open) << QString::fromLatin1(open) << stops << backwards(stops);
    };
    // The grids are one stop each: Text3 in the personal calendar, Text1 in the others.
    row("Main",
        {u"Command20"_s, u"Command1"_s,  u"today"_s,   u"Command2"_s, u"Command19"_s, u"Text3"_s,
         u"List2"_s,     u"Text15"_s,    u"Text11"_s,  u"Command6"_s, u"Command21"_s, u"Command5"_s,
         u"List1"_s,     u"Text16"_s,    u"Text1"_s,   u"Text5"_s,    u"Text6"_s,     u"Text7"_s,
         u"Text8"_s,     u"Text9"_s,     u"Text12"_s,  u"Text13"_s,   u"Text14"_s,    u"Text10"_s,
         u"Command3"_s,  u"Command23"_s, u"Command4"_s});
    // The note box takes the window into editing: tree and buttons off, "Cancel" on; so
    // backwards the walk ends there.
    QTest::newRow("Todo") << u"Todo"_s
                          << QStringList{u"Text1"_s,    u"TreeView1"_s, u"Text3"_s,   u"Command3"_s,
                                         u"Command5"_s, u"Command7"_s,  u"Command8"_s}
                          << QStringList{u"Text1"_s,    u"Command8"_s, u"Command7"_s,
                                         u"Command4"_s, u"Command6"_s, u"Command1"_s,
                                         u"Command2"_s, u"Command3"_s, u"Text3"_s};
    row("Appointments",
        {u"Command2"_s, u"Command3"_s, u"Command4"_s, u"Command5"_s, u"Command6"_s, u"Text1"_s,
         u"Text2"_s, u"Command1"_s, u"Command11"_s, u"Text9"_s, u"Text10"_s, u"List1"_s, u"List3"_s,
         u"Command7"_s, u"Command8"_s, u"Text3"_s});
    // The business card keeps the order it was designed with. The options are one stop: Tab
    // meets the first, Shift+Tab the last.
    const QStringList card{u"Text1"_s,  u"Text2"_s,  u"Text3"_s, u"Text4"_s, u"Text5"_s,
                           u"Text6"_s,  u"Text7"_s,  u"Text8"_s, u"Text9"_s, u"Text10"_s,
                           u"Text11"_s, u"Text15"_s, u"List1"_s, u"Text12"_s};
    const QStringList cardButtons{u"Command2"_s, u"Command1"_s, u"Command3"_s, u"Command4"_s,
                                  u"Command5"_s, u"Command6"_s, u"Command7"_s};
    QTest::newRow("Business") << u"Business"_s << card + QStringList{u"Option1"_s} + cardButtons
                              << backwards(card + QStringList{u"Option2"_s} + cardButtons);
    row("Lists", {u"Text1"_s, u"List1"_s, u"Text2"_s, u"Command1"_s, u"Command3"_s, u"Command4"_s,
                  u"Command2"_s, u"Fonts"_s});
    // Name and date over their lists, then the note.
    row("Reminder", {u"Text4"_s, u"Text5"_s, u"List1"_s, u"List2"_s, u"Text3"_s, u"Command1"_s,
                     u"Command3"_s, u"Command2"_s, u"Command4"_s});
    row("launch", {u"Text2"_s, u"Drive1"_s, u"Text1"_s, u"Command2"_s, u"Dir1"_s, u"File1"_s,
                   u"Command1"_s, u"Command3"_s, u"Command4"_s, u"Command5"_s, u"Command6"_s,
                   u"Command7"_s, u"Command8"_s, u"Command10"_s});
    // Each column of groups in turn; each group of options is one stop, met at its first
    // option, backwards at its last.
    QTest::newRow("prefmenu") << u"prefmenu"_s
                              << QStringList{u"Text3"_s,    u"Text4"_s,   u"Option2_0"_s,
                                             u"Text1"_s,    u"Text2"_s,   u"Option1_0"_s,
                                             u"Command1"_s, u"Command2"_s}
                              << QStringList{u"Text3"_s,     u"Command2"_s, u"Command1"_s,
                                             u"Option1_5"_s, u"Text2"_s,    u"Text1"_s,
                                             u"Option2_3"_s, u"Text4"_s};
    row("contentmnu", {u"List1"_s, u"Command5"_s, u"RichTextBox1"_s, u"Text2"_s, u"Save"_s,
                       u"Command4"_s, u"Command2"_s, u"Command1"_s, u"Command3"_s});
    row("cal2",
        {u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Command4"_s, u"Command5"_s, u"Text1"_s});
    row("sound", {u"Text2"_s, u"Drive1"_s, u"Dir1"_s, u"File1"_s, u"Record"_s, u"Command1"_s});
    row("dialer", {u"Text1"_s, u"Text2"_s, u"Command1"_s, u"Command2"_s, u"Command3"_s,
                   u"Command4"_s, u"Command5"_s, u"Command6"_s, u"Command7"_s, u"Command8"_s,
                   u"Command9"_s, u"Command11"_s, u"Dial"_s});

    // The ledger row by row; Tab past the last row on show scrolls on to entry 49.
    QStringList rows;
    for (int r = 0; r < Form13::VisibleRows; ++r) {
        for (const char *column : {"Text6_", "Text2_", "Text3_", "Text4_"})
            rows.append(QLatin1String(column) + QString::number(r));
    }
    const QStringList buttons{u"Command3"_s, u"Command2"_s, u"Command5"_s, u"Command4"_s,
                              u"Command1"_s, u"Text7"_s,    u"Text5"_s};
    QStringList forward = rows;
    for (int scrolled = 0; scrolled < 50 - Form13::VisibleRows; ++scrolled)
        forward << u"Text6_16"_s << u"Text2_16"_s << u"Text3_16"_s << u"Text4_16"_s;
    QTest::newRow("Bills") << u"Bills"_s << forward + buttons << backwards(rows + buttons);
}

void TestKeyboard::tabFollowsTheReadingOrder()
{
    QFETCH(QString, open);
    QFETCH(QStringList, stops);
    QFETCH(QStringList, back);
    // Each way in a window just opened: a walk leaves its marks (a ledger scrolled, an option
    // checked).
    for (const bool backwards : {false, true}) {
        TestFrame frame;
        QWidget *window = openByShortcut(frame, open);
        QVERIFY(window);
        QWidget *first = window->findChild<QWidget *>(stops.first());
        QVERIFY(first);
        const QStringList &expected = backwards ? back : stops;
        QCOMPARE(tabWalk(window, first, backwards, expected.size() + 1), expected);
        closeOwnWindows(frame);
    }
}

void TestKeyboard::addLeavesTheFocusOnTheNewEntry_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("option"); // checked first; empty: none
    QTest::addColumn<QString>("add");
    QTest::addColumn<QString>("first");
    QTest::newRow("personal note") << u"Main"_s << QString() << u"Command6"_s << u"Text15"_s;
    QTest::newRow("personal phone") << u"Main"_s << QString() << u"Command3"_s << u"Text1"_s;
    QTest::newRow("reminder") << u"Reminder"_s << QString() << u"Command2"_s << u"Text4"_s;
    QTest::newRow("lists") << u"Lists"_s << QString() << u"Command4"_s << u"Text1"_s;
    QTest::newRow("notepad") << u"contentmnu"_s << QString() << u"Command2"_s << u"Text2"_s;
    QTest::newRow("business by company")
        << u"Business"_s << u"Option1"_s << u"Command1"_s << u"Text1"_s;
    QTest::newRow("business by contact")
        << u"Business"_s << u"Option2"_s << u"Command1"_s << u"Text2"_s;
}

void TestKeyboard::addLeavesTheFocusOnTheNewEntry()
{
    QFETCH(QString, open);
    QFETCH(QString, option);
    QFETCH(QString, add);
    QFETCH(QString, first);
    TestFrame frame;
    QWidget *window = openByShortcut(frame, open);
    QVERIFY(window);
    if (!option.isEmpty()) {
        auto *choice = window->findChild<QRadioButton *>(option);
        choice->setFocus();
        pressKey(Qt::Key_Space);
        QVERIFY(choice->isChecked());
    }
    QWidget *button = window->findChild<QWidget *>(add);
    QVERIFY(button);
    button->setFocus(Qt::TabFocusReason);
    pressKey(Qt::Key_Space);
    QCOMPARE(focusName(), first);
    typeText(u"Typed"_s);
    QCOMPARE(window->findChild<QLineEdit *>(first)->text(), u"Typed"_s);
    closeOwnWindows(frame);
}

void TestKeyboard::appointmentEnteredFromTheKeyboard()
{
    TestFrame frame;
    QWidget *book = openByShortcut(frame, u"Appointments"_s);
    QVERIFY(book);
    auto *grid = book->findChild<MonthGrid *>();
    // Tab to the days, two to the right, a week down: 19 December.
    while (QApplication::focusWidget() != grid->days() &&
           book->isAncestorOf(QApplication::focusWidget()))
        pressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), grid->days());
    pressKey(Qt::Key_Right);
    pressKey(Qt::Key_Right);
    pressKey(Qt::Key_Down);
    QCOMPARE(grid->days()->accessibleDescription(), u"Saturday, December 19 2026"_s);
    pressKey(Qt::Key_Return);
    // On to the times, which start at 9:00, and down to 10:00.
    while (focusName() != u"List1")
        pressKey(Qt::Key_Tab);
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Down);
    QCOMPARE(book->findChild<QListWidget *>(u"List1"_s)->currentItem()->text(), u"10:00 AM"_s);
    m_dialogs->answerInput(u"Dentist"_s);
    m_dialogs->answerMessage(Dialogs::Answer::Yes, u"Do you want to Save it ?"_s);
    pressKey(Qt::Key_Return);

    // The third day record, after the two placeholders: slot 2 holds the note.
    const QByteArray file = m_dir->read(u"appoint.dat"_s);
    QCOMPARE(file.size(), 3 * AppointmentRecord::Length);
    QByteArray day = le16(3) + le16(0) + padded("12/19/2026", 20) + le16(0) + le16(0);
    for (int k = 0; k < AppointmentRecord::SlotCount; ++k)
        day += padded(k == 2 ? "Dentist" : "", AppointmentRecord::SlotWidth);
    day += padded("", AppointmentRecord::NoteWidth);
    QCOMPARE(file.mid(2 * AppointmentRecord::Length), day);
}

void TestKeyboard::expenseRowTypedWithTab()
{
    TestFrame frame;
    auto *ledger = qobject_cast<Form13 *>(openByShortcut(frame, u"Bills"_s));
    QVERIFY(ledger);
    QCOMPARE(focusName(), u"Text6_0"_s);
    for (const QString &typed : {u"12/1/26"_s, u"Milk"_s, u"Food"_s, u"2.50"_s, u"12/2/26"_s}) {
        typeText(typed);
        pressKey(Qt::Key_Tab);
    }
    QCOMPARE(focusName(), u"Text2_1"_s);
    QCOMPARE(ledger->ledger().Dates[0], u"12/1/26"_s);
    QCOMPARE(ledger->ledger().Items[0], u"Milk"_s);
    QCOMPARE(ledger->ledger().Categories[0], u"Food"_s);
    QCOMPARE(ledger->ledger().Amounts[0], u"2.50"_s);
    QCOMPARE(ledger->ledger().Dates[1], u"12/2/26"_s);
    QCOMPARE(ledger->findChild<QLineEdit *>(u"Text5"_s)->text(), u"2.5"_s);
    // Shift+Tab goes back along the row it came.
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusName(), u"Text6_1"_s);
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusName(), u"Text4_0"_s);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
