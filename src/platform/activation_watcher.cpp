#include "activation_watcher.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QWidget>

ActivationWatcher::ActivationWatcher(QWidget *window, Callback activated, Callback deactivated)
    : QObject(window), m_window(window), m_activated(std::move(activated)),
      m_deactivated(std::move(deactivated))
{
    window->installEventFilter(this);
    followSubWindow();
}

void ActivationWatcher::followSubWindow()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(m_window->parentWidget());
    if (sub == m_subWindow)
        return;
    if (m_subWindow)
        disconnect(m_subWindow, nullptr, this, nullptr);
    m_subWindow = sub;
    if (!sub)
        return;
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates oldState, Qt::WindowStates newState) {
                const bool was = oldState.testFlag(Qt::WindowActive);
                const bool is = newState.testFlag(Qt::WindowActive);
                if (!was && is && m_activated)
                    m_activated();
                else if (was && !is && m_deactivated)
                    m_deactivated();
            });
}

bool ActivationWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::ParentChange:
        case QEvent::Show:
            followSubWindow();
            break;
        case QEvent::WindowActivate:
            if (!m_subWindow && m_activated)
                m_activated();
            break;
        case QEvent::WindowDeactivate:
            if (!m_subWindow && m_deactivated)
                m_deactivated();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
