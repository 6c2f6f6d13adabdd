#include "stored_text.h"

#include <QLineEdit>

void showStoredText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
}
