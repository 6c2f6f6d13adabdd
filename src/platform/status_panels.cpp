#include "status_panels.h"

#include <QLabel>
#include <QPointer>

namespace {

struct Panels
{
    QPointer<QLabel> status;
    QPointer<QLabel> hint;
    QString statusText;
    QString hintText;
};

Panels &panels()
{
    static Panels p;
    return p;
}

} // namespace

void SetStatusText(const QString &text)
{
    Panels &p = panels();
    p.statusText = text;
    if (p.status)
        p.status->setText(text);
}

void SetHintText(const QString &text)
{
    Panels &p = panels();
    p.hintText = text;
    if (p.hint)
        p.hint->setText(text);
}

namespace StatusPanels {

void attach(QLabel *statusPanel, QLabel *hintPanel)
{
    Panels &p = panels();
    p.status = statusPanel;
    p.hint = hintPanel;
    if (statusPanel)
        statusPanel->setText(p.statusText);
    if (hintPanel)
        hintPanel->setText(p.hintText);
}

QString statusText()
{
    return panels().statusText;
}

QString hintText()
{
    return panels().hintText;
}

} // namespace StatusPanels
