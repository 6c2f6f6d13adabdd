#pragma once

#include <QString>

class QLineEdit;

// Shows a field as stored, padding and all, from its first character: a box left with its
// cursor at the end would scroll the value out of sight behind its trailing blanks.
void showStoredText(QLineEdit *box, const QString &text);
