#include "twips.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace {

// The windows were laid out for 8-point MS Sans Serif on a 96 dpi screen, a font 13 pixels high.
constexpr int DesignFontHeight = 13;
constexpr int DesignDpi = 96;

} // namespace

int pixelsPerInch(const QWidget *widget)
{
    const int dpi = widget ? widget->logicalDpiY() : DesignDpi;
    // A larger font makes every twip larger, as large fonts made the design's forms grow; a
    // smaller one never shrinks them below the screen's own inch.
    const int fontHeight = widget ? QFontMetrics(QApplication::font(), widget).height()
                                  : QFontMetrics(QApplication::font()).height();
    return std::max(dpi, (fontHeight * DesignDpi + DesignFontHeight / 2) / DesignFontHeight);
}

int twipsToPixels(int twips, const QWidget *widget)
{
    return int((qint64(twips) * pixelsPerInch(widget) + 720) / 1440);
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
