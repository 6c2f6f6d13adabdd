#include "pdf_text.h"

#include <QProcess>

QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished())
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
