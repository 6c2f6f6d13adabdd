#include "notes_support.h"

#include "platform/printer.h"

#include "pdf_text.h"
#include "typing.h"
#include "work_dir.h"

#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString printedText(const std::function<void()> &action)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    Printing::setOutputFile(pdf);
    action();
    Printing::setOutputFile(QString());
    if (!QFileInfo::exists(pdf))
        return QString();
    return pdfText(pdf);
}

QByteArray titledRecord(qint16 number, const QByteArray &title, const QByteArray &body,
                        int bodyWidth)
{
    return le16(number) + padded(title, 40) + padded(body, bodyWidth);
}

QByteArray recordAt(const QByteArray &file, int n, int length)
{
    return file.mid(qsizetype(n - 1) * length, length);
}

QStringList entries(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void typeIntoSecondEntryAndSave(QWidget *window, const char *box, const char *saveButton,
                                const QString &typed)
{
    QApplication::setActiveWindow(window);
    auto *titles = control<QListWidget>(window, "List1");
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                      titles->visualItemRect(titles->item(1)).center());
    typeAtEnd(control<QWidget>(window, box), typed);
    QTest::mouseClick(control<QPushButton>(window, saveButton), Qt::LeftButton);
}
