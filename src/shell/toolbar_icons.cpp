#include "toolbar_icons.h"

#include <array>

namespace {

// The scalable pictures compiled in from data/icons/toolbar (see src/shell/CMakeLists.txt), in
// the order of the image list. Pictures 7, 10, 12, 13, 14 and 16 are on no button.
constexpr std::array<const char *, 17> pictures = {
    "01-calendar",       "02-todo",     "03-appointments", "04-business", "05-lists",
    "06-reminder",       "07-notepad",  "08-dialer",       "09-sound",    "10-preferences",
    "11-small-calendar", "12-printer",  "13-help",         "14-folder",   "15-launcher",
    "16-about",          "17-expenses",
};

} // namespace

QIcon toolbarImage(int index)
{
    if (index < 1 || index > int(pictures.size()))
        return QIcon();
    return QIcon(QStringLiteral(":/pictures/toolbar/%1.svg")
                     .arg(QLatin1String(pictures[size_t(index - 1)])));
}
