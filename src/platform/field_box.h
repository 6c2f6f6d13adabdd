#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QTextEdit;

// The boxes that edit stored text fields.

// Shows a field's text from its first character, as a box scrolled to its end would hide it.
void showStoredText(QLineEdit *box, const QString &text);

// A multi-line box's text, lines apart with "\n", every character as typed (a non-breaking
// space stays one).
QString boxText(const QPlainTextEdit *box);
QString boxText(const QTextEdit *box);

// The box takes no more than its field of `width` bytes keeps, a line break counting as the two
// bytes it is stored as, and no character the file has no form for. What is typed, pasted or
// dropped beyond that is refused as it comes, and status panel 2 says what was not taken.
// A multi-line box is one field of its form: Tab and Shift+Tab go to the next and previous
// control instead of typing a tab.
void limitToField(QLineEdit *box, int width);
void limitToField(QPlainTextEdit *box, int width);
void limitToField(QTextEdit *box, int width);
