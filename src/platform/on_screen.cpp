#include "on_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void keepOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    // Before the window is first shown its frame is unknown and taken as none.
    const QSize decoration = window->frameGeometry().size() - window->size();
    const QSize fits =
        window->size().boundedTo(room.size() - decoration).expandedTo(window->minimumSize());
    if (fits != window->size())
        window->resize(fits);
    const QSize outer = fits + decoration;
    QPoint at = window->frameGeometry().topLeft();
    at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.right() + 1 - outer.width())));
    at.setY(qBound(room.top(), at.y(), qMax(room.top(), room.bottom() + 1 - outer.height())));
    if (at != window->frameGeometry().topLeft())
        window->move(at);
}
