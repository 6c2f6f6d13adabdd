#pragma once

#include <QString>

class QWidget;

// The questions and reports these windows share.

// "Delete ?" with Yes and No, No the default: true only for Yes.
bool confirmDelete(QWidget *parent);

// A report with an OK button under the program's name.
void notify(QWidget *parent, const QString &text);

// Asks "      Do you want Print Now ?" and, unless cancelled, prints the text as one item on
// the default printer. A failure is reported as "Printer Problem". Returns true when printed.
bool printAfterAsking(QWidget *parent, const QString &documentName, const QString &text);
