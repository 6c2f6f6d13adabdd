#pragma once

#include <QStringList>

class QWidget;

// The buttons and labels of a window whose caption is wider than the control shows it, or
// whose text runs into the control beside it, by objectName. A window laid out for a smaller
// font than the one in use shows these cut off.
QStringList cutCaptions(const QWidget *window);

// true when a one-line box shows all of text at its present width.
bool boxShowsAll(const QWidget *box, const QString &text);
