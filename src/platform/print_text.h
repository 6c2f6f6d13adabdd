#pragma once

#include <QString>

class QWidget;

// Asks "      Do you want Print Now ?" and, on OK, prints the text as one item on the default
// printer. A failure is reported as "Printer Problem". Returns true when printed.
bool printAfterAsking(QWidget *parent, const QString &documentName, const QString &text);
