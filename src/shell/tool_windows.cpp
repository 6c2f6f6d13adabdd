#include "tool_windows.h"

#include <QWidget>

bool isMdiChild(ToolWindowId id)
{
    switch (id) {
    case ToolWindowId::Form1:
    case ToolWindowId::form5:
    case ToolWindowId::Form8:
    case ToolWindowId::Form4:
    case ToolWindowId::Form6:
    case ToolWindowId::Todo:
    case ToolWindowId::Form13:
        return true;
    default:
        return false;
    }
}

QLatin1String toolWindowName(ToolWindowId id)
{
    switch (id) {
    case ToolWindowId::Form1:
        return QLatin1String("Form1");
    case ToolWindowId::form5:
        return QLatin1String("form5");
    case ToolWindowId::Form10:
        return QLatin1String("Form10");
    case ToolWindowId::Form8:
        return QLatin1String("Form8");
    case ToolWindowId::Form4:
        return QLatin1String("Form4");
    case ToolWindowId::Form11:
        return QLatin1String("Form11");
    case ToolWindowId::Form6:
        return QLatin1String("Form6");
    case ToolWindowId::Todo:
        return QLatin1String("Todo");
    case ToolWindowId::Form9:
        return QLatin1String("Form9");
    case ToolWindowId::runit:
        return QLatin1String("runit");
    case ToolWindowId::Form13:
        return QLatin1String("Form13");
    case ToolWindowId::Form14:
        return QLatin1String("Form14");
    case ToolWindowId::Form3:
        return QLatin1String("Form3");
    case ToolWindowId::Form12:
        return QLatin1String("Form12");
    }
    return QLatin1String();
}
