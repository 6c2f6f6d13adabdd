#pragma once

#include <QWidget>

// The About box: product, version and notice lines; no behaviour of its own.
class Form12 : public QWidget
{
    Q_OBJECT

public:
    explicit Form12(QWidget *parent = nullptr);
};
