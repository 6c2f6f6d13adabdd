#include "twips.h"

#include <QWidget>

int twipsToPixels(int twips, const QWidget *widget)
{
    const int dpi = widget ? widget->logicalDpiX() : 96;
    return int((qint64(twips) * dpi + 720) / 1440);
}

QRect twipsRect(int left, int top, int width, int height, const QWidget *widget)
{
    return QRect(twipsToPixels(left, widget), twipsToPixels(top, widget),
                 twipsToPixels(width, widget), twipsToPixels(height, widget));
}

void setTwipsGeometry(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height, widget));
}

void resizeTwips(QWidget *widget, int width, int height)
{
    widget->resize(twipsToPixels(width, widget), twipsToPixels(height, widget));
}
