#include "toolbar_table.h"

namespace {

using Kind = ToolbarEntry::Kind;
using Step = ToolbarAction::Step;

ToolbarEntry gap(int twips = 0)
{
    return {Kind::Placeholder, QLatin1String(), 0, QLatin1String(), twips};
}

ToolbarEntry button(const char *key, int image, const char *toolTip)
{
    return {Kind::Button, QLatin1String(key), image, QLatin1String(toolTip), 0};
}

} // namespace

const QList<ToolbarEntry> &toolbarEntries()
{
    static const QList<ToolbarEntry> entries = {
        gap(),
        button("Main", 1, "Calender"),
        gap(),
        button("Todo", 2, "Todo"),
        gap(),
        button("Appointments", 3, "Appointments"),
        gap(),
        button("Business", 4, "Business Phone"),
        gap(),
        button("Lists", 5, "Lists"),
        gap(),
        button("Reminder", 6, "Reminder"),
        gap(),
        button("launch", 15, "Launcher"),
        {Kind::Separator, QLatin1String(), 0, QLatin1String(), 0},
        button("Bills", 17, "Expenses"),
        gap(3500),
        button("cal2", 11, "Small Calendar"),
        button("sound", 9, "Sound"),
        button("dialer", 8, "Dialer"),
    };
    return entries;
}

const QList<ToolbarAction> &toolbarActions()
{
    // The hint of the window just opened goes to panel 3; most rows then clear panel 2, which
    // also drops whatever the window's own load step wrote there.
    static const QList<ToolbarAction> actions = {
        {QLatin1String("Main"),
         ToolWindowId::Form1,
         QLatin1String("HINT : Enter your phone information - Then click SAVE IT! "),
         {Step::Open, Step::Restore, Step::Hint, Step::ClearStatus}},
        {QLatin1String("Bills"),
         ToolWindowId::Form13,
         QLatin1String("HINT : Click the Sum Button to Update the Total Amount box"),
         {Step::Open, Step::Restore, Step::Hint}},
        {QLatin1String("Todo"),
         ToolWindowId::Todo,
         QLatin1String("HINT : Select an Item first. Everything is disabled until selected."),
         {Step::Open, Step::Hint, Step::Restore, Step::ClearStatus}},
        {QLatin1String("Appointments"),
         ToolWindowId::form5,
         QLatin1String("HINT : Click on a Day to View or Add a Note or Appointment"),
         {Step::Open, Step::Hint, Step::Restore, Step::ClearStatus}},
        {QLatin1String("Business"),
         ToolWindowId::Form4,
         QLatin1String("HINT : Besure to click SAVE IT! to save your work"),
         {Step::Open, Step::Hint, Step::Restore, Step::ClearStatus}},
        {QLatin1String("Lists"),
         ToolWindowId::Form6,
         QLatin1String("HINT : Enter LIST NAME in upper left hand box - then SAVE IT!"),
         {Step::Open, Step::Hint, Step::Restore, Step::ClearStatus}},
        {QLatin1String("Reminder"),
         ToolWindowId::Form8,
         QLatin1String("HINT : Date format Month/Day/Year - Example: 12/5/97"),
         {Step::Open, Step::Hint, Step::Restore, Step::ClearStatus}},
        {QLatin1String("dialer"),
         ToolWindowId::Form11,
         QLatin1String(),
         {Step::Open, Step::Restore, Step::ClearStatus}},
        {QLatin1String("sound"),
         ToolWindowId::Form14,
         QLatin1String(),
         {Step::Open, Step::Restore, Step::ClearStatus}},
        {QLatin1String("cal2"),
         ToolWindowId::Form10,
         QLatin1String(),
         {Step::Open, Step::Restore, Step::ClearStatus}},
        {QLatin1String("launch"),
         ToolWindowId::runit,
         QLatin1String(),
         {Step::Open, Step::Restore, Step::ClearStatus}},
    };
    return actions;
}

const ToolbarAction *toolbarAction(QStringView key)
{
    for (const ToolbarAction &action : toolbarActions()) {
        if (key == action.key)
            return &action;
    }
    return nullptr;
}
