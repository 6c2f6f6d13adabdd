#pragma once

#include <QRect>
#include <QString>

class QWidget;

// Positions and sizes are kept in twips (1/1440 inch) and become pixels at the screen's
// logical resolution, grown with the application font, so layouts keep their proportions on any
// screen and in any font size.
// The pixels a twip inch takes: the screen's logical dpi, or more when the application font is
// larger than the one the windows were laid out for.
int pixelsPerInch(const QWidget *widget);
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
