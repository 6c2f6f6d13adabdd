#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QMdiSubWindow;
class QWidget;

// Tells a window when it becomes active and when it stops being active: a window of its own by
// its activation events, a child of the frame by its sub-window's state.
class ActivationWatcher : public QObject
{
    Q_OBJECT

public:
    using Callback = std::function<void()>;

    ActivationWatcher(QWidget *window, Callback activated, Callback deactivated = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followSubWindow();

    QWidget *m_window;
    QPointer<QMdiSubWindow> m_subWindow;
    Callback m_activated;
    Callback m_deactivated;
};
