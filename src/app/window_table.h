#pragma once

#include "shell/tool_windows.h"

// The program's table of windows, which the frame opens by their ids: a new, not yet loaded
// window, or nullptr for an id this build has no window for.
std::unique_ptr<QWidget> createToolWindow(ToolWindowId id);
