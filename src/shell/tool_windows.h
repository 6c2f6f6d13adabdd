#pragma once

#include <QLatin1String>

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

// A new, not yet loaded window; nullptr for a window this build does not have.
std::unique_ptr<QWidget> createToolWindow(ToolWindowId id);
