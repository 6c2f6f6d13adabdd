#pragma once

#include "tool_windows.h"

#include <QFont>
#include <QMainWindow>
#include <QMap>
#include <QPointer>

class QAction;
class QKeySequence;
class QMdiArea;
class QMenu;
class QMdiSubWindow;
class QToolBar;

// The frame of the program: toolbar, menus, three status panels and the area where the tool
// windows that are its children open.
class VL32V1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit VL32V1(ToolWindowFactory windows, QWidget *parent = nullptr);
    ~VL32V1() override;

    // Preferences read at start.
    qint16 startup = 0;
    QString appoint;
    qint16 portnumb = 0;
    QString SaveTheDate;

    void testpref();
    void Createpref();
    void opentest();
    void getpref();

    // Opens a tool window modeless, loading it first when it is not loaded; an open one comes
    // to the front. nullptr when this build has no such window.
    QWidget *openWindow(ToolWindowId id);
    // The window when it is open, else nullptr.
    QWidget *toolWindow(ToolWindowId id) const;
    QMdiArea *mdiArea() const { return m_mdiArea; }

    void Toolbar1_ButtonClick(const QString &key);
    // The Window menu's shortcut of the index-th toolbar button, counting buttons only.
    static QKeySequence windowShortcut(int index);
    // The main window's font dialog, as the config writer takes it.
    QFont dialogFont() const { return m_dialogFont; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void createToolbar();
    void createMenus();
    void createWindowMenu();
    void listOpenWindows(QMenu *menu);
    void createStatusBar();
    void growToShow(QMdiSubWindow *sub);
    void writeConfig();
    void fontmnu_Click();
    void exitmenu_Click();

    ToolWindowFactory m_createWindow;
    QMdiArea *m_mdiArea;
    QToolBar *m_toolbar = nullptr;
    QAction *m_openWindowsStart = nullptr; // the separator before the list of open windows
    QFont m_dialogFont;
    QMap<ToolWindowId, QPointer<QWidget>> m_windows;
    bool m_loaded = false;
};
