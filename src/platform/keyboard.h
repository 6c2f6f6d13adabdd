#pragma once

#include <QList>

#include <functional>

class QWidget;

// What the keyboard does in the windows beyond what each control does by itself.

// A key pressed in the widget without a modifier (Shift+Tab is Qt::Key_Backtab) goes to the
// handler before the widget sees it; a handler that returns false leaves the key to the widget.
void onKeys(QWidget *widget, std::function<bool(int key)> handler);
// The same for one key.
void onKey(QWidget *widget, int key, std::function<bool()> handler);

// Return or Enter pressed in the widget run the handler instead of the widget's own step.
void onReturnKey(QWidget *widget, std::function<void()> handler);

// Tab goes through the widgets in this order, and Shift+Tab back.
void setTabChain(const QList<QWidget *> &chain);

// Orders Tab through the window's controls as they are read: left to right, top to bottom.
// Controls that sit in rows are read row by row; side-by-side blocks (a list beside its
// boxes, a group beside another) each as a whole, the left one first. A control that takes
// the focus is one stop, whatever it holds; hidden controls keep their place. The geometry is
// the one the window has now: call it once the window is laid out.
void orderTabsByReading(QWidget *window);
