#pragma once

#include <QString>

class QLabel;
class QWidget;

// What a screen reader reads for a control that shows no caption of its own. A control with a
// caption (a button, an option button with its text) is read by that and needs none of this.

// The label beside the control names it.
void nameAfterLabel(QWidget *control, QLabel *label);

// A control without a label is named for its role in the window: what a box holds, what a
// list lists, what a picture button does.
void nameForRole(QWidget *control, const QString &name);
