#pragma once

#include <QRect>
#include <QString>

class QWidget;

// Positions and sizes are kept in twips (1/1440 inch) and become pixels at the screen's
// logical resolution, so layouts keep their proportions on any screen.
int twipsToPixels(int twips, const QWidget *widget);
QRect twipsRect(int left, int top, int width, int height, const QWidget *widget);
void setTwipsGeometry(QWidget *widget, int left, int top, int width, int height);
void resizeTwips(QWidget *widget, int width, int height);

// A control of the window, named and placed in twips.
template <typename Control>
Control *twipsControl(QWidget *parent, const QString &name, int left, int top, int width,
                      int height)
{
    auto *control = new Control(parent);
    control->setObjectName(name);
    setTwipsGeometry(control, left, top, width, height);
    return control;
}
