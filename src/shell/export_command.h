#pragma once

class QWidget;

// "Export..." of the Options menu: asks for a folder, asks before replacing an export already
// there, writes the calendar and the contacts into it and says in status panel 2 what it wrote.
void exportToFolder(QWidget *parent);
