#include "dialogs.h"

#include "qt_dialogs.h"

namespace {

Dialogs *installed = nullptr;

} // namespace

Dialogs &Dialogs::instance()
{
    static QtDialogs standard;
    return installed ? *installed : standard;
}

void Dialogs::install(Dialogs *dialogs)
{
    installed = dialogs;
}
