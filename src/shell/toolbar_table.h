#pragma once

#include "tool_windows.h"

#include <QLatin1String>
#include <QList>

// The toolbar of the main window, left to right.
struct ToolbarEntry
{
    enum class Kind { Placeholder, Button, Separator };
    Kind kind;
    QLatin1String key; // buttons
    int image = 0;     // 1-based index into the image list
    QLatin1String toolTip;
    int gapTwips = 0; // placeholders: 0 is the default gap
};

// What a click on a button does: its window and its steps, in order.
struct ToolbarAction
{
    enum class Step { Open, Restore, Hint, ClearStatus };
    QLatin1String key;
    ToolWindowId window;
    QLatin1String hint;
    QList<Step> steps;
};

const QList<ToolbarEntry> &toolbarEntries();
const QList<ToolbarAction> &toolbarActions();
// The first action whose key matches, case-sensitively; nullptr when none does.
const ToolbarAction *toolbarAction(QStringView key);
