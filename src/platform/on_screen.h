#pragma once

class QWidget;

// Moves a window of its own, shrinking it where it must and may, so that it lies wholly within
// the available geometry of the screen it is on: a layout in twips can be larger than a small or
// highly scaled screen.
void keepOnScreen(QWidget *window);
