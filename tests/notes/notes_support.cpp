#include "notes_support.h"

#include "platform/printer.h"

#include "work_dir.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

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
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray titledRecord(qint16 number, const QByteArray &title, const QByteArray &body,
                        int bodyWidth)
{
    return le16(number) + padded(title, 40) + padded(body, bodyWidth);
}
