#include "placed_controls.h"

#include "twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QPushButton *placedButton(QWidget *parent, const char *name, const QString &caption, int left,
                          int top, int width, int height)
{
    auto *button = twipsControl<QPushButton>(parent, QLatin1String(name), left, top, width, height);
    button->setText(caption);
    return button;
}

QLabel *placedLabel(QWidget *parent, const char *name, const QString &caption, int left, int top,
                    int width, int height)
{
    auto *label = twipsControl<QLabel>(parent, QLatin1String(name), left, top, width, height);
    label->setText(caption);
    return label;
}

QLineEdit *buttonStrip(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *strip = twipsControl<QLineEdit>(parent, QLatin1String(name), left, top, width, height);
    strip->setReadOnly(true);
    strip->setFocusPolicy(Qt::NoFocus);
    strip->setFrame(false);
    showAsButtonFace(strip);
    return strip;
}

void showAsButtonFace(QWidget *widget)
{
    QPalette palette = widget->palette();
    const QColor face = palette.color(QPalette::Button);
    const QColor text = palette.color(QPalette::ButtonText);
    palette.setColor(QPalette::Base, face);
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
