#include "shell/main_window.h"

#include "platform/accessible_names.h"
#include "platform/status_panels.h"
#include "platform/working_date.h"

#include "frame.h"
#include "scripted_dialogs.h"
#include "work_dir.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A control as a failure names it: its objectName, or its kind and the named control it is in.
QString describe(const QWidget *widget)
{
    QString text = widget->objectName();
    if (text.isEmpty()) {
        text = QString::fromLatin1(widget->metaObject()->className());
        for (const QWidget *up = widget->parentWidget(); up; up = up->parentWidget()) {
            if (!up->objectName().isEmpty()) {
                text += u" in "_s + up->objectName();
                break;
            }
        }
    }
    return text;
}

// Qt makes a control's interface when asked, with or without a reader attached (the offscreen
// platform has no accessibility bridge, so nothing is ever switched on here).
QString accessibleName(QWidget *widget)
{
    const QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// What a screen reader would find wrong with the control: nothing, or why it cannot name it.
QString fault(QWidget *widget)
{
    const QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return u"no accessible interface"_s;
    // A plain widget's role, which AT-SPI reads as "filler": nothing a reader can tell the user.
    if (face->role() == QAccessible::Client || face->role() == QAccessible::NoRole)
        return u"role filler"_s;
    if (face->text(QAccessible::Name).trimmed().isEmpty())
        return u"no name"_s;
    return QString();
}

// Every control of the window that the keyboard can reach and that has no usable name.
QStringList unnamedControls(QWidget *window)
{
    QStringList found;
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible())
            continue;
        const QString wrong = fault(widget);
        if (!wrong.isEmpty())
            found.append(describe(widget) + u" ("_s + wrong + u')');
    }
    return found;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void walkFindsWhatAReaderCannotName();
    void toolbarButtonsReadTheirToolTips();
    void statusPanelsReadTheirText();
    void everyFocusableControlIsNamed_data();
    void everyFocusableControlIsNamed();
    void labelledBoxesReadTheirLabel_data();
    void labelledBoxesReadTheirLabel();
    void programmedLaunchButtonReadsItsCaption();

private:
    ScriptedDialogs *m_dialogs = nullptr;
};

void TestAccessibility::init()
{
    m_dialogs = new ScriptedDialogs;
    WorkingDate::setClock([] { return QDate(2026, 12, 15); });
    WorkingDate::set(QDate(2026, 12, 15));
}

void TestAccessibility::cleanup()
{
    QCOMPARE(m_dialogs->pending(), 0);
    delete m_dialogs;
    m_dialogs = nullptr;
    // Windows of their own outlive a test's frame.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        delete window;
}

void TestAccessibility::walkFindsWhatAReaderCannotName()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *unnamed = new QLineEdit(&window);
    unnamed->setObjectName(u"Unnamed"_s);
    auto *label = new QLabel(u"Town"_s, &window);
    auto *labelled = new QLineEdit(&window);
    nameAfterLabel(labelled, label);
    auto *list = new QListWidget(&window);
    list->setObjectName(u"List"_s);
    auto *plain = new QWidget(&window);
    plain->setObjectName(u"Plain"_s);
    plain->setFocusPolicy(Qt::StrongFocus);
    plain->setAccessibleName(u"Plain"_s);
    auto *hidden = new QLineEdit(&window);
    for (QWidget *widget : {static_cast<QWidget *>(unnamed), static_cast<QWidget *>(label),
                            static_cast<QWidget *>(labelled), static_cast<QWidget *>(list), plain,
                            static_cast<QWidget *>(hidden)})
        layout->addWidget(widget);
    window.show();
    hidden->hide();
    QCOMPARE(unnamedControls(&window),
             QStringList({u"Unnamed (no name)"_s, u"List (no name)"_s, u"Plain (role filler)"_s}));
    QCOMPARE(accessibleName(labelled), u"Town"_s);

    // A caption with "&" keeps showing it: the box is named without making it a mnemonic.
    auto *ampersand = new QLabel(u"Name & Address"_s, &window);
    layout->addWidget(ampersand);
    nameAfterLabel(unnamed, ampersand);
    QVERIFY(!ampersand->buddy());
    QCOMPARE(accessibleName(unnamed), u"Name & Address"_s);
    // An item view reads no buddy of its own.
    nameAfterLabel(list, label);
    QCOMPARE(accessibleName(list), u"Town"_s);
}

void TestAccessibility::toolbarButtonsReadTheirToolTips()
{
    WorkDir dir;
    TestFrame frame;
    auto *toolbar = frame.findChild<QToolBar *>(u"Toolbar1"_s);
    QVERIFY(toolbar);
    QStringList names;
    const auto actions = toolbar->actions();
    for (QAction *action : actions) {
        if (action->objectName().isEmpty())
            continue; // a gap or a separator
        QWidget *button = toolbar->widgetForAction(action);
        QVERIFY(button);
        const QAccessibleInterface *face = QAccessible::queryAccessibleInterface(button);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::Button);
        QCOMPARE(face->text(QAccessible::Name), action->toolTip());
        // The buttons stay pictures: nothing but the icon shows.
        QCOMPARE(qobject_cast<QToolButton *>(button)->toolButtonStyle(), Qt::ToolButtonIconOnly);
        names.append(face->text(QAccessible::Name));
    }
    QCOMPARE(names, QStringList({u"Calender"_s, u"Todo"_s, u"Appointments"_s, u"Business Phone"_s,
                                 u"Lists"_s, u"Reminder"_s, u"Launcher"_s, u"Expenses"_s,
                                 u"Small Calendar"_s, u"Sound"_s, u"Dialer"_s}));
}

void TestAccessibility::statusPanelsReadTheirText()
{
    WorkDir dir;
    TestFrame frame;
    SetStatusText(u"Saved"_s);
    SetHintText(u"HINT : a hint"_s);
    const QStringList panels = {u"Panel1"_s, u"Panel2"_s, u"Panel3"_s};
    QStringList read;
    for (const QString &name : panels) {
        auto *panel = frame.statusBar()->findChild<QWidget *>(name);
        QVERIFY2(panel, qPrintable(name));
        read.append(accessibleName(panel));
    }
    QCOMPARE(read, QStringList({u"Velmora - your day, your data, on your own computer"_s,
                                u"Saved"_s, u"HINT : a hint"_s}));

    // The interface a reader holds reads the new text, not the one it was made with.
    SetStatusText(u"Written"_s);
    QCOMPARE(accessibleName(frame.statusBar()->findChild<QWidget *>(u"Panel2"_s)), u"Written"_s);
    SetStatusText(QString());
    SetHintText(QString());
}

void TestAccessibility::everyFocusableControlIsNamed_data()
{
    QTest::addColumn<QString>("command"); // a toolbar button's key or a menu command's name
    QTest::addColumn<ToolWindowId>("window");
    QTest::addColumn<QString>("press"); // a button that shows more of the window first

    QTest::newRow("personal calendar") << u"Main"_s << ToolWindowId::Form1 << QString();
    QTest::newRow("to-do") << u"Todo"_s << ToolWindowId::Todo << QString();
    QTest::newRow("appointments") << u"Appointments"_s << ToolWindowId::form5 << QString();
    QTest::newRow("business phone") << u"Business"_s << ToolWindowId::Form4 << QString();
    QTest::newRow("lists") << u"Lists"_s << ToolWindowId::Form6 << QString();
    QTest::newRow("reminders") << u"Reminder"_s << ToolWindowId::Form8 << QString();
    QTest::newRow("launcher") << u"launch"_s << ToolWindowId::runit << QString();
    QTest::newRow("expenses") << u"Bills"_s << ToolWindowId::Form13 << QString();
    QTest::newRow("small calendar") << u"cal2"_s << ToolWindowId::Form10 << QString();
    QTest::newRow("sound files") << u"sound"_s << ToolWindowId::Form14 << QString();
    QTest::newRow("dialer") << u"dialer"_s << ToolWindowId::Form11 << QString();
    QTest::newRow("small calendar, menu") << u"smallcal"_s << ToolWindowId::Form10 << QString();
    QTest::newRow("launcher, menu") << u"launchit"_s << ToolWindowId::runit << QString();
    QTest::newRow("dialer, menu") << u"dialmnu"_s << ToolWindowId::Form11 << QString();
    QTest::newRow("sound files, menu") << u"soundmnu"_s << ToolWindowId::Form14 << QString();
    QTest::newRow("preferences") << u"prefmenu"_s << ToolWindowId::Form3 << QString();
    QTest::newRow("about") << u"aboutit"_s << ToolWindowId::Form12 << QString();
    QTest::newRow("notepad") << u"contentmnu"_s << ToolWindowId::Form9 << QString();
    QTest::newRow("appointments, note page")
        << u"Appointments"_s << ToolWindowId::form5 << u"Command7"_s;
}

void TestAccessibility::everyFocusableControlIsNamed()
{
    QFETCH(QString, command);
    QFETCH(ToolWindowId, window);
    QFETCH(QString, press);
    WorkDir dir;
    TestFrame frame;
    QWidget *opened = frame.openByCommand(command, window);
    QVERIFY2(opened && opened->isVisible(), qPrintable(command + u" opened no window"_s));
    if (!press.isEmpty()) {
        auto *button = opened->findChild<QPushButton *>(press);
        QVERIFY2(button, qPrintable(press));
        button->click();
    }

    QStringList unnamed = unnamedControls(opened);
    // The frame around a child, and the frame itself with the child open.
    unnamed += unnamedControls(&frame);
    unnamed.removeDuplicates();
    QVERIFY2(unnamed.isEmpty(), qPrintable(u"unnamed: "_s + unnamed.join(u", "_s)));
}

void TestAccessibility::labelledBoxesReadTheirLabel_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<ToolWindowId>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("phone book name") << u"Main"_s << ToolWindowId::Form1 << u"Text1"_s << u"Name"_s;
    QTest::newRow("phone book notes")
        << u"Main"_s << ToolWindowId::Form1 << u"Text10"_s << u"Phone notes"_s;
    QTest::newRow("to-do label") << u"Todo"_s << ToolWindowId::Todo << u"Text1"_s << u"Selected"_s;
    QTest::newRow("to-do outline")
        << u"Todo"_s << ToolWindowId::Todo << u"TreeView1"_s << u"Categories"_s;
    QTest::newRow("day note") << u"Appointments"_s << ToolWindowId::form5 << u"Text4"_s
                              << u"Note"_s;
    QTest::newRow("slot notes") << u"Appointments"_s << ToolWindowId::form5 << u"List3"_s
                                << u"Slot notes"_s;
    QTest::newRow("company") << u"Business"_s << ToolWindowId::Form4 << u"Text1"_s << u"Company"_s;
    QTest::newRow("business address")
        << u"Business"_s << ToolWindowId::Form4 << u"Text3"_s << u"Address"_s;
    QTest::newRow("extension") << u"Business"_s << ToolWindowId::Form4 << u"Text8"_s
                               << u"Phone 1 extension"_s;
    QTest::newRow("business notes")
        << u"Business"_s << ToolWindowId::Form4 << u"Text12"_s << u"Notes"_s;
    QTest::newRow("list by company")
        << u"Business"_s << ToolWindowId::Form4 << u"Option1"_s << u"List by company"_s;
    QTest::newRow("list name") << u"Lists"_s << ToolWindowId::Form6 << u"Text1"_s << u"List name"_s;
    QTest::newRow("list body") << u"Lists"_s << ToolWindowId::Form6 << u"Text2"_s << u"List body"_s;
    QTest::newRow("reminder name")
        << u"Reminder"_s << ToolWindowId::Form8 << u"Text4"_s << u"Reminder Name"_s;
    QTest::newRow("reminder names")
        << u"Reminder"_s << ToolWindowId::Form8 << u"List1"_s << u"Reminder names"_s;
    QTest::newRow("blank launch button")
        << u"launch"_s << ToolWindowId::runit << u"Command1"_s << u"1"_s;
    QTest::newRow("ledger date") << u"Bills"_s << ToolWindowId::Form13 << u"Text6_3"_s << u"Date"_s;
    QTest::newRow("ledger total") << u"Bills"_s << ToolWindowId::Form13 << u"Text5"_s << u"Total"_s;
    QTest::newRow("number to dial")
        << u"dialer"_s << ToolWindowId::Form11 << u"Text1"_s << u"Number to Dial"_s;
    QTest::newRow("start time") << u"prefmenu"_s << ToolWindowId::Form3 << u"Text3"_s
                                << u"Start Time"_s;
    QTest::newRow("start-up option")
        << u"prefmenu"_s << ToolWindowId::Form3 << u"Option1_0"_s << u"Personal Calendar"_s;
    QTest::newRow("topic body") << u"contentmnu"_s << ToolWindowId::Form9 << u"RichTextBox1"_s
                                << u"Topic body"_s;
}

void TestAccessibility::labelledBoxesReadTheirLabel()
{
    QFETCH(QString, command);
    QFETCH(ToolWindowId, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    WorkDir dir;
    TestFrame frame;
    QWidget *opened = frame.openByCommand(command, window);
    QVERIFY(opened && opened->isVisible());
    auto *widget = opened->findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    QCOMPARE(accessibleName(widget), name);
}

void TestAccessibility::programmedLaunchButtonReadsItsCaption()
{
    WorkDir dir;
    TestFrame frame;
    QWidget *launcher = frame.openByCommand(u"launch"_s, ToolWindowId::runit);
    QVERIFY(launcher && launcher->isVisible());
    auto *button = launcher->findChild<QPushButton *>(u"Command3"_s);
    QVERIFY(button);
    QCOMPARE(accessibleName(button), u"2"_s);
    // The number stands in for a caption only while there is none.
    button->setText(u"Editor"_s);
    QCOMPARE(accessibleName(button), u"Editor"_s);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
