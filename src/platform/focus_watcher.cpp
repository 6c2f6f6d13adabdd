#include "focus_watcher.h"

#include <QFocusEvent>
#include <QWidget>

FocusWatcher::FocusWatcher(QWidget *widget, bool focusIn, std::function<void()> handler)
    : QObject(widget), m_focusIn(focusIn), m_handler(std::move(handler))
{
    widget->installEventFilter(this);
}

void FocusWatcher::onFocusIn(QWidget *widget, std::function<void()> handler)
{
    new FocusWatcher(widget, true, std::move(handler));
}

void FocusWatcher::onFocusOut(QWidget *widget, std::function<void()> handler)
{
    new FocusWatcher(widget, false, std::move(handler));
}

bool FocusWatcher::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type wanted = m_focusIn ? QEvent::FocusIn : QEvent::FocusOut;
    if (event->type() == wanted) {
        const auto *widget = static_cast<QWidget *>(watched);
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Focus that leaves with the whole window, or for a popup, comes back to the same box.
        const bool reported =
            reason != Qt::PopupFocusReason && (m_focusIn || reason != Qt::ActiveWindowFocusReason);
        if (reported && widget->isVisible())
            m_handler();
    }
    return QObject::eventFilter(watched, event);
}
