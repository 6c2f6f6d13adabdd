#include "typing.h"

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QTest>

void typeAtEnd(QWidget *box, const QString &text)
{
    // A click in the box's lower right corner lands after the last character it shows.
    QWidget *area = box;
    if (auto *scrolled = qobject_cast<QAbstractScrollArea *>(box))
        area = scrolled->viewport();
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(area->width() - 3, area->height() - 3));
    const bool oneLine = qobject_cast<QLineEdit *>(box) != nullptr;
    QTest::keyClick(box, Qt::Key_End, oneLine ? Qt::NoModifier : Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

QByteArray withTypedAtEnd(QByteArray file, int offset, int width, const QByteArray &typed)
{
    QByteArray value = file.mid(offset, width);
    while (value.endsWith(' '))
        value.chop(1);
    value += typed;
    file.replace(offset, width, value + QByteArray(width - value.size(), ' '));
    return file;
}
