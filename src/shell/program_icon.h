#pragma once

#include <QIcon>

// The program's icon, drawn to any size from the picture compiled into the program; every window
// shows it once the application's window icon is set to it.
QIcon programIcon();
