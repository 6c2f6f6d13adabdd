#include "main_window.h"

#include "export_command.h"
#include "settings/configured_font.h"
#include "settings/preference_files.h"
#include "toolbar_icons.h"
#include "toolbar_table.h"

#include "platform/accessible_names.h"
#include "platform/dialogs.h"
#include "platform/file_guard.h"
#include "platform/form.h"
#include "platform/on_screen.h"
#include "platform/status_panels.h"
#include "platform/twips.h"
#include "platform/working_date.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

constexpr int DefaultGapPixels = 8;

const QString Caption = QStringLiteral("Velmora (32 bit)");
const QString Notice = QStringLiteral("Velmora - your day, your data, on your own computer");

} // namespace

VL32V1::VL32V1(ToolWindowFactory windows, QWidget *parent)
    : QMainWindow(parent), m_createWindow(std::move(windows)), m_mdiArea(new QMdiArea(this)),
      m_dialogFont(QApplication::font())
{
    setObjectName(QStringLiteral("VL32V1"));
    m_mdiArea->setObjectName(QStringLiteral("MDIClient"));
    // A child larger than the area, on a small or highly scaled screen, is scrolled to.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    setTwipsGeometry(this, 1635, 2130, 6675, 3720);
    createToolbar();
    createMenus();
    createStatusBar();
    // Wide enough for the status panels from the start, as far as the screen allows.
    resize(size().expandedTo(QSize(statusBar()->sizeHint().width(), 0)));
    keepOnScreen(this);
}

VL32V1::~VL32V1()
{
    // Windows of their own outlive the frame while the program runs; at the end they go too.
    for (const QPointer<QWidget> &window : std::as_const(m_windows)) {
        if (window && window->isWindow())
            delete window.data();
    }
}

void VL32V1::createToolbar()
{
    m_toolbar = addToolBar(QStringLiteral("Toolbar1"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    // The pictures grow with the font, as the windows do.
    m_toolbar->setIconSize(QSize(24, 22) * pixelsPerInch(this) / 96);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolbarEntry &entry : toolbarEntries()) {
        switch (entry.kind) {
        case ToolbarEntry::Kind::Separator:
            m_toolbar->addSeparator();
            break;
        case ToolbarEntry::Kind::Placeholder: {
            auto *gapWidget = new QWidget(m_toolbar);
            const int width =
                entry.gapTwips > 0 ? twipsToPixels(entry.gapTwips, this) : DefaultGapPixels;
            gapWidget->setFixedWidth(width);
            m_toolbar->addWidget(gapWidget);
            break;
        }
        case ToolbarEntry::Kind::Button: {
            QAction *action = m_toolbar->addAction(toolbarImage(entry.image), QString());
            const QString key = entry.key;
            action->setObjectName(key);
            action->setToolTip(entry.toolTip);
            // The button shows its picture only; a screen reader reads the tip.
            nameForRole(m_toolbar->widgetForAction(action), entry.toolTip);
            action->setData(entry.image);
            connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
            break;
        }
        }
    }
}

void VL32V1::createMenus()
{
    auto addCommand = [this](QWidget *menu, const char *name, const QString &caption, auto slot) {
        auto *action = new QAction(caption, menu);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        menu->addAction(action);
        return action;
    };

    QMenu *filemenu = menuBar()->addMenu(QStringLiteral("&Options"));
    filemenu->setObjectName(QStringLiteral("filemenu"));
    addCommand(filemenu, "fontmnu", QStringLiteral("Fonts"), [this] { fontmnu_Click(); });
    addCommand(filemenu, "prefmenu", QStringLiteral("Preferences"), [this] {
        RestoreStartDate();
        openWindow(ToolWindowId::Form3);
    });
    addCommand(filemenu, "exportmnu", QStringLiteral("Export..."),
               [this] { exportToFolder(this); });
    addCommand(filemenu, "exitmenu", QStringLiteral("Exit"), [this] { exitmenu_Click(); });

    auto restoreAndOpen = [this](ToolWindowId id) {
        return [this, id] {
            RestoreStartDate();
            openWindow(id);
        };
    };
    addCommand(menuBar(), "smallcal", QStringLiteral("Calender"),
               restoreAndOpen(ToolWindowId::Form10));
    addCommand(menuBar(), "launchit", QStringLiteral("Launch"),
               restoreAndOpen(ToolWindowId::runit));
    addCommand(menuBar(), "dialmnu", QStringLiteral("Dialer"),
               restoreAndOpen(ToolWindowId::Form11));
    addCommand(menuBar(), "soundmnu", QStringLiteral("Sound"),
               restoreAndOpen(ToolWindowId::Form14));
    createWindowMenu();

    QMenu *helpmenu = menuBar()->addMenu(QStringLiteral("&Help"));
    helpmenu->setObjectName(QStringLiteral("helpmenu"));
    connect(helpmenu, &QMenu::aboutToShow, this, [] { RestoreStartDate(); });
    addCommand(helpmenu, "aboutit", QStringLiteral("About"),
               [this] { openWindow(ToolWindowId::Form12); });
    addCommand(helpmenu, "contentmnu", QStringLiteral("Contents"),
               [this] { openWindow(ToolWindowId::Form9); });
}

QKeySequence VL32V1::windowShortcut(int index)
{
    // Ctrl+1 ... Ctrl+9 and Ctrl+0 for the first ten buttons, then Ctrl+Shift+1 ...: no window
    // uses the control digits for anything of its own.
    static constexpr int Keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5,
                                   Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_0};
    constexpr int count = int(std::size(Keys));
    if (index < 0 || index >= 2 * count)
        return {};
    const Qt::KeyboardModifiers modifiers =
        index < count ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier;
    return QKeySequence(QKeyCombination(modifiers, Qt::Key(Keys[index % count])));
}

void VL32V1::createWindowMenu()
{
    QMenu *windowmenu = menuBar()->addMenu(QStringLiteral("&Window"));
    windowmenu->setObjectName(QStringLiteral("windowmenu"));
    // One entry a toolbar button, doing what the button does, in the toolbar's order.
    int index = 0;
    for (const ToolbarEntry &entry : toolbarEntries()) {
        if (entry.kind != ToolbarEntry::Kind::Button)
            continue;
        const QString key = entry.key;
        auto *action = new QAction(QString(entry.toolTip), windowmenu);
        action->setObjectName(key + QStringLiteral("mnu"));
        action->setShortcut(windowShortcut(index++));
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        windowmenu->addAction(action);
    }
    windowmenu->addSeparator();
    auto addArrangement = [this, windowmenu](const char *name, const QString &caption,
                                             void (QMdiArea::*arrange)()) {
        auto *action = new QAction(caption, windowmenu);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, m_mdiArea, arrange);
        windowmenu->addAction(action);
    };
    addArrangement("cascademnu", QStringLiteral("Cascade"), &QMdiArea::cascadeSubWindows);
    addArrangement("tilemnu", QStringLiteral("Tile"), &QMdiArea::tileSubWindows);
    addArrangement("nextmnu", QStringLiteral("Next"), &QMdiArea::activateNextSubWindow);
    m_openWindowsStart = windowmenu->addSeparator();
    connect(windowmenu, &QMenu::aboutToShow, this,
            [this, windowmenu] { listOpenWindows(windowmenu); });
    listOpenWindows(windowmenu);
}

void VL32V1::listOpenWindows(QMenu *menu)
{
    // Everything after the separator is the list of the moment; it is made anew each time.
    const QList<QAction *> actions = menu->actions();
    const qsizetype start = actions.indexOf(m_openWindowsStart);
    for (qsizetype i = start + 1; i < actions.size(); ++i) {
        menu->removeAction(actions.at(i));
        delete actions.at(i);
    }
    const QList<QMdiSubWindow *> open = m_mdiArea->subWindowList();
    m_openWindowsStart->setVisible(!open.isEmpty());
    int number = 0;
    for (QMdiSubWindow *sub : open) {
        ++number;
        const QString prefix =
            number < 10 ? u'&' + QString::number(number) + u' ' : QString::number(number) + u' ';
        QAction *action = menu->addAction(prefix + sub->windowTitle());
        action->setObjectName(QStringLiteral("openwindow") + QString::number(number));
        action->setCheckable(true);
        action->setChecked(sub == m_mdiArea->activeSubWindow());
        const QPointer<QMdiSubWindow> target(sub);
        connect(action, &QAction::triggered, this, [this, target] {
            if (target)
                m_mdiArea->setActiveSubWindow(target);
        });
    }
}

void VL32V1::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    auto panel = [bar](const char *name, int widthTwips, int leastTwips, int stretch) {
        auto *created = new StatusPanel(bar);
        created->setObjectName(QLatin1String(name));
        created->setWidths(twipsToPixels(widthTwips, bar), twipsToPixels(leastTwips, bar));
        bar->addWidget(created, stretch);
        return created;
    };
    StatusPanel *panel1 = panel("Panel1", 5998, 0, 0);
    panel1->setAlignment(Qt::AlignCenter);
    panel1->setText(Notice);
    // The status text keeps an inch of the narrowest bar and takes the room the others leave.
    StatusPanel *panel2 = panel("Panel2", 1440, 1440, 1);
    StatusPanel *panel3 = panel("Panel3", 8714, 0, 0);
    StatusPanels::attach(panel2, panel3);
}

void VL32V1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
}

void VL32V1::Form_Load()
{
    RecordStartDate();
    setWindowTitle(Caption);
    const bool ready = guarded(this, [this] {
        testpref();
        opentest();
        getpref();
    });
    if (!ready)
        return;
    // Values past the table open nothing.
    static const ToolWindowId startupWindows[] = {ToolWindowId::Form1, ToolWindowId::Form6,
                                                  ToolWindowId::Form4, ToolWindowId::Form8,
                                                  ToolWindowId::Todo,  ToolWindowId::form5};
    if (startup >= 0 && startup < qint16(std::size(startupWindows)))
        openWindow(startupWindows[startup]);
}

void VL32V1::testpref()
{
    if (!PreferenceFiles::setupExists())
        Createpref();
}

void VL32V1::Createpref()
{
    PreferenceFiles::writeSetup(PrefRecord::defaults(QStringLiteral("9")));
}

void VL32V1::opentest()
{
    if (!PreferenceFiles::configExists())
        writeConfig();
}

void VL32V1::getpref()
{
    const PrefRecord prefs = PreferenceFiles::readSetup();
    appoint = prefs.StartHour;
    startup = prefs.StartupWindow;
    portnumb = prefs.PortIndex;
}

void VL32V1::writeConfig()
{
    ConfiguredFont::fromFont(m_dialogFont).write(ConfigRecord::MainWindowLength);
}

void VL32V1::fontmnu_Click()
{
    // A cancelled dialog keeps its previous values, and those are written all the same.
    dialogs().font(this, m_dialogFont);
    guarded(this, [this] { writeConfig(); });
}

void VL32V1::exitmenu_Click()
{
    // Ends at once: no window's unload steps run.
    QCoreApplication::exit(0);
}

QWidget *VL32V1::toolWindow(ToolWindowId id) const
{
    return m_windows.value(id).data();
}

QWidget *VL32V1::openWindow(ToolWindowId id)
{
    if (QWidget *open = toolWindow(id)) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(open->parentWidget())) {
            sub->showNormal();
            m_mdiArea->setActiveSubWindow(sub);
        } else {
            open->showNormal();
            open->raise();
            open->activateWindow();
        }
        return open;
    }
    std::unique_ptr<QWidget> created = m_createWindow ? m_createWindow(id) : nullptr;
    if (!created)
        return nullptr;
    QWidget *window = created.get();
    // A window loads before it is shown, activated and given its first focus, so its activate
    // and focus steps find it loaded.
    if (auto *form = qobject_cast<Form *>(window))
        form->load();
    m_windows.insert(id, window);
    if (isMdiChild(id)) {
        // The size the window gave itself, which a window placing its controls by hand has no
        // layout to tell the frame about.
        const QSize wanted = window->size().expandedTo(window->minimumSizeHint());
        // Smaller, it would cut its controls off, maximized too; the area scrolls instead.
        window->setMinimumSize(wanted);
        QMdiSubWindow *sub = m_mdiArea->addSubWindow(created.release());
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowTitle(window->windowTitle());
        connect(window, &QWidget::windowTitleChanged, sub, &QWidget::setWindowTitle);
        sub->show();
        sub->resize(sub->size() + (wanted - window->size()));
        m_mdiArea->setActiveSubWindow(sub);
        growToShow(sub);
    } else {
        // A window of its own stays open when the frame closes; it is gone when closed.
        window->setAttribute(Qt::WA_DeleteOnClose);
        keepOnScreen(window);
        created.release()->show();
        window->raise();
        window->activateWindow();
    }
    return window;
}

void VL32V1::growToShow(QMdiSubWindow *sub)
{
    // The frame starts small; a child that does not fit makes it grow, as far as the screen allows.
    const QSize room = m_mdiArea->viewport()->size();
    QPoint at = sub->pos();
    at.setX(qBound(0, at.x(), qMax(0, room.width() - sub->width())));
    at.setY(qBound(0, at.y(), qMax(0, room.height() - sub->height())));
    sub->move(at);
    const int extraWidth = qMax(0, at.x() + sub->width() - room.width());
    const int extraHeight = qMax(0, at.y() + sub->height() - room.height());
    if (extraWidth == 0 && extraHeight == 0)
        return;
    resize(size() + QSize(extraWidth, extraHeight));
    keepOnScreen(this);
}

void VL32V1::Toolbar1_ButtonClick(const QString &key)
{
    const ToolbarAction *action = toolbarAction(key);
    if (!action)
        return;
    for (const ToolbarAction::Step step : action->steps) {
        switch (step) {
        case ToolbarAction::Step::Open:
            openWindow(action->window);
            break;
        case ToolbarAction::Step::Restore:
            RestoreStartDate();
            break;
        case ToolbarAction::Step::Hint:
            SetHintText(action->hint);
            break;
        case ToolbarAction::Step::ClearStatus:
            SetStatusText(QString());
            break;
        }
    }
}

void VL32V1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || isActiveWindow())
        return;
    // Only another window of this program counts: neither switching to another program nor a
    // question or input box that one of the program's windows asks.
    const QWidget *now = QApplication::activeWindow();
    if (now && now != this && !qobject_cast<const QDialog *>(now))
        RestoreStartDate();
}

void VL32V1::closeEvent(QCloseEvent *event)
{
    // The children close first, so their unload steps run.
    m_mdiArea->closeAllSubWindows();
    if (!m_mdiArea->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
