#pragma once

#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLatin1String>

// The frame of a test, shown and active, with no start-up window (setup.dat asks for none).
class TestFrame : public VL32V1
{
public:
    TestFrame();

    // Opens a tool window as a user does, with the frame's toolbar button of that key.
    template <typename Window> Window *openFromToolbar(const char *key)
    {
        auto *button = findChild<QAction *>(QLatin1String(key));
        if (!button)
            return nullptr;
        button->trigger();
        QApplication::processEvents();
        return findChild<Window *>();
    }

    // Runs one of the frame's commands by its name, a toolbar button or a menu entry, as a user
    // does; the window it was to open, or nullptr when there is none.
    QWidget *openByCommand(const QString &command, ToolWindowId id);
};
