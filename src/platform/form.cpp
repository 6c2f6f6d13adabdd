#include "form.h"

#include "activation_watcher.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

Form::Form(QWidget *parent)
    : QWidget(parent), m_activation(new ActivationWatcher(
                           this, [this] { Form_Activate(); }, [this] { Form_Deactivate(); }))
{}

Form::~Form()
{
    // A window destroyed while active loses the activation inside QWidget's destructor, when
    // the derived window is gone: its deactivate steps must not run then.
    delete m_activation;
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

void Form::showEvent(QShowEvent *event)
{
    load();
    QWidget::showEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    QWidget::closeEvent(event);
}
