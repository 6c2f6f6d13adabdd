#pragma once

#include <functional>

class QWidget;

// What the keyboard does in the windows beyond what each control does by itself.

// Return or Enter pressed in the widget run the handler instead of the widget's own step.
void onReturnKey(QWidget *widget, std::function<void()> handler);
