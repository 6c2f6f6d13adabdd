#pragma once

#include <QLatin1String>

#include <functional>
#include <memory>

class QWidget;

// The windows the main window opens. Children of the frame open inside it; the others are
// windows of their own.
enum class ToolWindowId {
    Form1,  // personal calendar and phone book
    form5,  // appointments
    Form10, // small calendar
    Form8,  // reminder
    Form4,  // business phone
    Form11, // phone dialer
    Form6,  // lists
    Todo,   // to-do tree
    Form9,  // notepad and help
    runit,  // launcher
    Form13, // expenses
    Form14, // sound files
    Form3,  // preferences
    Form12, // About box
};

bool isMdiChild(ToolWindowId id);
QLatin1String toolWindowName(ToolWindowId id);

// Makes a new, not yet loaded window; nullptr for a window it does not have. The program's
// table of windows is one; the frame is given it and knows no window itself.
using ToolWindowFactory = std::function<std::unique_ptr<QWidget>(ToolWindowId id)>;
