#include "keyboard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

class ReturnKey : public QObject
{
public:
    ReturnKey(QWidget *widget, std::function<void()> handler)
        : QObject(widget), m_handler(std::move(handler))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                modifiers == Qt::NoModifier) {
                m_handler();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void onReturnKey(QWidget *widget, std::function<void()> handler)
{
    new ReturnKey(widget, std::move(handler));
}
