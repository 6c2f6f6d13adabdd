#include "window_table.h"

#include "calendar/appointments_window.h"
#include "calendar/personal_calendar_window.h"
#include "calendar/reminders_window.h"
#include "calendar/small_calendar_window.h"
#include "contacts/business_window.h"
#include "contacts/dialer_window.h"
#include "notes/lists_window.h"
#include "notes/notepad_window.h"
#include "notes/todo_window.h"
#include "shell/about_box.h"
#include "shell/preferences_window.h"
#include "tools/expenses_window.h"
#include "tools/launcher_window.h"
#include "tools/sound_files_window.h"

// One line a window: a later window is added here and nowhere else.
std::unique_ptr<QWidget> createToolWindow(ToolWindowId id)
{
    switch (id) {
    case ToolWindowId::Form1:
        return std::make_unique<Form1>();
    case ToolWindowId::Form10:
        return std::make_unique<Form10>();
    case ToolWindowId::form5:
        return std::make_unique<form5>();
    case ToolWindowId::Form8:
        return std::make_unique<Form8>();
    case ToolWindowId::runit:
        return std::make_unique<runit>();
    case ToolWindowId::Form13:
        return std::make_unique<Form13>();
    case ToolWindowId::Form14:
        return std::make_unique<Form14>();
    case ToolWindowId::Form4:
        return std::make_unique<Form4>();
    case ToolWindowId::Form3:
        return std::make_unique<Form3>();
    case ToolWindowId::Form11:
        return std::make_unique<Form11>();
    case ToolWindowId::Form12:
        return std::make_unique<Form12>();
    case ToolWindowId::Form6:
        return std::make_unique<Form6>();
    case ToolWindowId::Todo:
        return std::make_unique<Todo>();
    case ToolWindowId::Form9:
        return std::make_unique<Form9>();
    default:
        return nullptr;
    }
}
