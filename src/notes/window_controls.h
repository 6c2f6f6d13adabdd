#pragma once

#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

// Controls placed in twips and named as the window's procedures address them.
QPushButton *placedButton(QWidget *parent, const char *name, const QString &caption, int left,
                          int top, int width, int height);
// The grey strip behind a window's row of buttons; it takes no input.
QLineEdit *buttonStrip(QWidget *parent, const char *name, int left, int top, int width, int height);
