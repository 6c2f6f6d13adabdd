#include "form.h"

#include "activation_watcher.h"
#include "keyboard.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

Form::Form(QWidget *parent) : QWidget(parent)
{
    m_activationWatcher = new ActivationWatcher(
        this, [this] { Form_Activate(); }, [this] { Form_Deactivate(); });
}

Form::~Form()
{
    // A window destroyed while active loses its activation inside ~QWidget, when the steps of
    // the derived window are gone: stop watching first.
    delete m_activationWatcher;
}

void Form::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    Form_Load();
}

void Form::unload()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void Form::orderTabs()
{
    orderTabsByReading(this);
}

void Form::showEvent(QShowEvent *event)
{
    load();
    if (!m_tabsOrdered) {
        m_tabsOrdered = true;
        orderTabs();
    }
    QWidget::showEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    QWidget::closeEvent(event);
}
