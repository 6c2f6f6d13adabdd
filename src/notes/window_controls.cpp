#include "window_controls.h"

#include "platform/twips.h"

#include <QLineEdit>
#include <QPushButton>

QPushButton *placedButton(QWidget *parent, const char *name, const QString &caption, int left,
                          int top, int width, int height)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    setTwipsGeometry(button, left, top, width, height);
    return button;
}

QLineEdit *buttonStrip(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *strip = new QLineEdit(parent);
    strip->setObjectName(QLatin1String(name));
    strip->setReadOnly(true);
    strip->setFocusPolicy(Qt::NoFocus);
    strip->setStyleSheet(QStringLiteral("background: #c0c0c0; border: none;"));
    setTwipsGeometry(strip, left, top, width, height);
    return strip;
}
