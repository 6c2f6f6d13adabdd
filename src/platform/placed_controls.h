#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls placed in twips and named as the window's procedures address them.
QPushButton *placedButton(QWidget *parent, const char *name, const QString &caption, int left,
                          int top, int width, int height);
QLabel *placedLabel(QWidget *parent, const char *name, const QString &caption, int left, int top,
                    int width, int height);
// The strip behind a window's row of buttons, in the colour of a button's face; it takes no
// input.
QLineEdit *buttonStrip(QWidget *parent, const char *name, int left, int top, int width, int height);
// A box or label in the colour of a button's face, with the palette's text colour for it, so it
// keeps its contrast in a dark palette as in a light one.
void showAsButtonFace(QWidget *widget);
