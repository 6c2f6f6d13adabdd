#pragma once

#include "dialogs.h"

// The standard Qt dialogs, shown modally.
class QtDialogs : public Dialogs
{
public:
    Answer message(QWidget *parent, const Message &message) override;
    QString input(QWidget *parent, const QString &prompt, const QString &title,
                  const QString &defaultText, int fieldWidth) override;
    bool font(QWidget *parent, QFont &font) override;
    bool color(QWidget *parent, QColor &color) override;
    QString openFileName(QWidget *parent, const FileRequest &request) override;
    QString saveFileName(QWidget *parent, const FileRequest &request) override;
    QString folder(QWidget *parent, const QString &title, const QString &directory) override;
};
