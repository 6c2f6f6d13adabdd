#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>

// Controls are found by their names: a window makes each one with its name set.
template <typename Widget> Widget *named(const char *name, QWidget *parent)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

inline QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    auto *b = named<QPushButton>(name, parent);
    b->setText(caption);
    return b;
}
