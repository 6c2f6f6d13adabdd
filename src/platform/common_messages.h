#pragma once

class QString;
class QWidget;

// The questions and reports every window words the same way.

// "Delete ?" with Yes and No, No the default: true only for Yes.
bool confirmDelete(QWidget *parent);

// "      Do you want Print Now ?" with OK and Cancel: true only for OK.
bool confirmPrintNow(QWidget *parent);

// A report with OK only, under the program's title.
void tell(QWidget *parent, const QString &text);
