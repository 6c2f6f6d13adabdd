#include "program_icon.h"

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/pictures/velmora.svg"));
}
