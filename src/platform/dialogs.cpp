#include "dialogs.h"

#include "qt_dialogs.h"

namespace {

Dialogs *installed = nullptr;

} // namespace

Dialogs &Dialogs::instance()
{
    static QtDialogs standard;
    if (installed)
        return *installed;
    return standard;
}

void Dialogs::install(Dialogs *dialogs)
{
    installed = dialogs;
}
