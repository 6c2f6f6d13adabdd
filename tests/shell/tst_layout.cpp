// Every window as the frame opens it, in the font and on the screen the test runs with: whole on
// the screen, no caption cut, every control reachable. Run at the default font, with a larger
// application font (VELMORA_TEST_FONT_POINTS) and scaled (QT_SCALE_FACTOR) on a small screen;
// with VELMORA_SCREENSHOTS set to a folder, each window is also saved there as a picture.
#include "shell/main_window.h"

#include "platform/twips.h"

#include "cut_captions.h"
#include "frame.h"
#include "scripted_dialogs.h"
#include "work_dir.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The window's named controls, that a user works or reads, lying partly outside it where
// nobody can see all of them. Frames are drawn only; one may run past the edge by design.
QStringList controlsOutside(const QWidget *window)
{
    QStringList outside;
    const QRect room = window->rect();
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith(u"qt_") ||
            !control->isVisibleTo(window) || control->isWindow() ||
            (control->focusPolicy() == Qt::NoFocus && !qobject_cast<const QLabel *>(control)))
            continue;
        // Inside a scroll area only the area itself counts.
        bool scrolled = false;
        for (const QWidget *up = control->parentWidget(); up && up != window;
             up = up->parentWidget())
            scrolled = scrolled || qobject_cast<const QAbstractScrollArea *>(up);
        if (scrolled)
            continue;
        // A control put wholly out of sight on purpose is not cut; one the edge runs through is.
        const QRect at(control->mapTo(window, QPoint(0, 0)), control->size());
        if (room.intersects(at) && !room.contains(at))
            outside.append(control->objectName());
    }
    return outside;
}

QString describe(const QRect &rect)
{
    return u"%1,%2 %3x%4"_s.arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

// The child reached by scrolling the area to each of its ends: every part of it can be seen.
bool reachable(QMdiArea *area, const QMdiSubWindow *sub)
{
    QScrollBar *across = area->horizontalScrollBar();
    QScrollBar *down = area->verticalScrollBar();
    const QRect view = area->viewport()->rect();
    across->setValue(across->minimum());
    down->setValue(down->minimum());
    QApplication::processEvents();
    const bool start = view.contains(sub->geometry().topLeft());
    across->setValue(across->maximum());
    down->setValue(down->maximum());
    QApplication::processEvents();
    const bool end = view.contains(sub->geometry().bottomRight());
    across->setValue(across->minimum());
    down->setValue(down->minimum());
    QApplication::processEvents();
    return start && end;
}

void saveScreenshot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QApplication::processEvents();
    // The whole screen as the user sees it where the platform has one, else the window alone.
    QPixmap picture;
    if (QScreen *screen = window->screen(); screen && QGuiApplication::platformName() == u"xcb")
        picture = screen->grabWindow(0);
    if (picture.isNull())
        picture = window->window()->grab();
    QVERIFY(picture.save(QDir(folder).filePath(name + u".png"_s)));
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_dialogs = new ScriptedDialogs; }
    void cleanup()
    {
        delete m_dialogs;
        m_dialogs = nullptr;
    }

    void everyWindowIsWholeAndReachable_data();
    void everyWindowIsWholeAndReachable();
    void maximizedChildrenScrollToEveryButton();
    void frameStaysOnTheScreen();
    void stripsFollowADarkPalette_data();
    void stripsFollowADarkPalette();

private:
    ScriptedDialogs *m_dialogs = nullptr;
};

void TestLayout::initTestCase()
{
    if (const int points = qEnvironmentVariableIntValue("VELMORA_TEST_FONT_POINTS"); points > 0) {
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
    }
    qInfo("font %s %gpt, screen %s, twip inch %d px", qPrintable(QApplication::font().family()),
          QApplication::font().pointSizeF(),
          qPrintable(describe(QGuiApplication::primaryScreen()->availableGeometry())),
          pixelsPerInch(nullptr));
}

void TestLayout::everyWindowIsWholeAndReachable_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<ToolWindowId>("id");
    QTest::newRow("personal calendar") << u"Main"_s << ToolWindowId::Form1;
    QTest::newRow("to-do") << u"Todo"_s << ToolWindowId::Todo;
    QTest::newRow("appointments") << u"Appointments"_s << ToolWindowId::form5;
    QTest::newRow("business phone") << u"Business"_s << ToolWindowId::Form4;
    QTest::newRow("lists") << u"Lists"_s << ToolWindowId::Form6;
    QTest::newRow("reminders") << u"Reminder"_s << ToolWindowId::Form8;
    QTest::newRow("launcher") << u"launch"_s << ToolWindowId::runit;
    QTest::newRow("expenses") << u"Bills"_s << ToolWindowId::Form13;
    QTest::newRow("small calendar") << u"cal2"_s << ToolWindowId::Form10;
    QTest::newRow("sound files") << u"sound"_s << ToolWindowId::Form14;
    QTest::newRow("dialer") << u"dialer"_s << ToolWindowId::Form11;
    QTest::newRow("preferences") << u"prefmenu"_s << ToolWindowId::Form3;
    QTest::newRow("about") << u"aboutit"_s << ToolWindowId::Form12;
    QTest::newRow("notepad") << u"contentmnu"_s << ToolWindowId::Form9;
}

void TestLayout::everyWindowIsWholeAndReachable()
{
    QFETCH(QString, action);
    QFETCH(ToolWindowId, id);
    WorkDir dir;
    TestFrame frame;
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QWidget *window = frame.openByCommand(action, id);
    QVERIFY2(window, qPrintable(action));
    QVERIFY(QTest::qWaitForWindowExposed(window->window()));
    saveScreenshot(window, QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'));

    QCOMPARE(cutCaptions(window).join(u", "), QString());
    QCOMPARE(controlsOutside(window).join(u", "), QString());

    const QRect screen = window->screen()->availableGeometry();
    QVERIFY2(screen.contains(frame.frameGeometry()),
             qPrintable(describe(frame.frameGeometry()) + u" on "_s + describe(screen)));
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget())) {
        QVERIFY2(reachable(frame.mdiArea(), sub),
                 qPrintable(describe(sub->geometry()) + u" in "_s +
                            describe(frame.mdiArea()->viewport()->rect())));
    } else {
        QVERIFY2(screen.contains(window->frameGeometry()),
                 qPrintable(describe(window->frameGeometry()) + u" on "_s + describe(screen)));
    }
}

void TestLayout::maximizedChildrenScrollToEveryButton()
{
    WorkDir dir;
    TestFrame frame;
    for (const char *key : {"Business", "Reminder", "Lists", "Todo", "Main", "Appointments"}) {
        frame.findChild<QAction *>(QLatin1String(key))->trigger();
        QApplication::processEvents();
        auto *sub = frame.mdiArea()->activeSubWindow();
        QVERIFY(sub);
        sub->showMaximized();
        QApplication::processEvents();
        QWidget *window = sub->widget();
        QVERIFY2(window->width() >= window->minimumWidth() &&
                     window->height() >= window->minimumHeight(),
                 key);
        QCOMPARE(controlsOutside(window).join(u", "), QString());
        QVERIFY2(reachable(frame.mdiArea(), sub), key);
        sub->showNormal();
    }
}

void TestLayout::frameStaysOnTheScreen()
{
    WorkDir dir;
    TestFrame frame;
    const QRect screen = frame.screen()->availableGeometry();
    // Every child opened at once grows the frame as far as the screen lets it.
    for (const char *key :
         {"Main", "Todo", "Appointments", "Business", "Lists", "Reminder", "Bills"})
        frame.findChild<QAction *>(QLatin1String(key))->trigger();
    QApplication::processEvents();
    QVERIFY2(screen.contains(frame.frameGeometry()),
             qPrintable(describe(frame.frameGeometry()) + u" on "_s + describe(screen)));
    // Every menu of the bar is within reach.
    for (QAction *menu : frame.menuBar()->actions())
        QVERIFY2(!frame.menuBar()->actionGeometry(menu).isEmpty() &&
                     frame.menuBar()->rect().contains(frame.menuBar()->actionGeometry(menu)),
                 qPrintable(menu->text()));
    saveScreenshot(&frame, u"frame"_s);
}

void TestLayout::stripsFollowADarkPalette_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<ToolWindowId>("id");
    QTest::addColumn<QString>("strip");
    QTest::newRow("lists") << u"Lists"_s << ToolWindowId::Form6 << u"Text4"_s;
    QTest::newRow("to-do") << u"Todo"_s << ToolWindowId::Todo << u"Text2"_s;
    QTest::newRow("business phone") << u"Business"_s << ToolWindowId::Form4 << u"Text13"_s;
    QTest::newRow("reminders") << u"Reminder"_s << ToolWindowId::Form8 << u"Text2"_s;
    QTest::newRow("dialer status") << u"dialer"_s << ToolWindowId::Form11 << u"Text2"_s;
    QTest::newRow("about title") << u"aboutit"_s << ToolWindowId::Form12 << u"Label1"_s;
}

void TestLayout::stripsFollowADarkPalette()
{
    QFETCH(QString, action);
    QFETCH(ToolWindowId, id);
    QFETCH(QString, strip);
    const QPalette before = QApplication::palette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x45, 0x45, 0x45));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x6c, 0xb4, 0xff));
    QApplication::setPalette(dark);
    const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });

    WorkDir dir;
    TestFrame frame;
    QWidget *window = frame.openByCommand(action, id);
    QVERIFY(window);
    const auto *control = window->findChild<QWidget *>(strip);
    QVERIFY(control);
    // What the strip is painted with: a box's base and text, a label's window and text.
    const bool box = control->inherits("QLineEdit");
    const QColor back = control->palette().color(box ? QPalette::Base : QPalette::Window);
    const QColor text = control->palette().color(box ? QPalette::Text : QPalette::WindowText);
    QVERIFY2(back.lightness() < 128, qPrintable(back.name()));
    QVERIFY2(text.lightness() - back.lightness() > 100, qPrintable(text.name() + back.name()));
    saveScreenshot(window,
                   u"dark-"_s + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'));
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
