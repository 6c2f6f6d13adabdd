#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Tells a window when one of its boxes gains or loses the input focus: by a click or a key, or,
// for gaining it, as the window becomes active. A focus that leaves only with the whole window,
// or for a menu or popup, comes back to the same box and is not reported; nor is anything
// while the box is hidden, as when its window closes.
class FocusWatcher : public QObject
{
    Q_OBJECT

public:
    static void onFocusIn(QWidget *widget, std::function<void()> handler);
    static void onFocusOut(QWidget *widget, std::function<void()> handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FocusWatcher(QWidget *widget, bool focusIn, std::function<void()> handler);

    bool m_focusIn;
    std::function<void()> m_handler;
};
