#include "printer.h"

#include "status_panels.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QStringList>

namespace {

QString &outputOverride()
{
    static QString path;
    return path;
}

QString pdfPathFor(const QString &documentName)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty())
        dir = QDir::homePath();
    QDir().mkpath(dir);
    QString base = documentName;
    base.replace(u'/', u'-');
    base.replace(u' ', u'-');
    return QDir(dir).filePath(
        base + u'-' + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")) +
        QStringLiteral(".pdf"));
}

// A line as it fits across the sheet: one wider than the sheet breaks after its last blank
// that fits (or, with no such blank, at the sheet's edge) and goes on below, so no text runs
// off the paper.
QStringList fittedLines(const QString &line, const QFontMetrics &metrics, int width)
{
    QStringList pieces;
    QString rest = line;
    while (metrics.horizontalAdvance(rest) > width) {
        qsizetype fit = 1; // the longest start of the rest that fits, at least one character
        while (fit < rest.size() && metrics.horizontalAdvance(rest.left(fit + 1)) <= width)
            ++fit;
        const qsizetype blank = rest.lastIndexOf(u' ', fit);
        if (blank > 0) {
            pieces.append(rest.left(blank));
            rest = rest.mid(blank + 1);
        } else {
            pieces.append(rest.left(fit));
            rest = rest.mid(fit);
        }
    }
    pieces.append(rest);
    return pieces;
}

class QtLinePrinter : public LinePrinter
{
public:
    explicit QtLinePrinter(const QString &documentName)
        : m_documentName(documentName), m_font(QFontDatabase::systemFont(QFontDatabase::FixedFont))
    {
        m_font.setPointSize(10);
        m_pages.append(QStringList());
    }

    void setFont(const QFont &font) override { m_font = font; }
    void printLine(const QString &line) override
    {
        // A line holding line breaks prints as several lines.
        const QStringList parts =
            QString(line).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
        m_pages.last().append(parts);
    }
    void newPage() override { m_pages.append(QStringList()); }
    QString errorString() const override { return m_error; }

    bool endDocument() override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(m_documentName);
        QString pdfPath = outputOverride();
        const bool toPdf = !pdfPath.isEmpty() || QPrinterInfo::defaultPrinter().isNull();
        if (toPdf) {
            if (pdfPath.isEmpty())
                pdfPath = pdfPathFor(m_documentName);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
        }
        // A new page that nothing was printed on before the end prints no blank sheet.
        while (m_pages.size() > 1 && m_pages.constLast().isEmpty())
            m_pages.removeLast();
        QPainter painter;
        if (!painter.begin(&printer)) {
            m_error = QStringLiteral("The printer could not be started.");
            return false;
        }
        painter.setFont(m_font);
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        const int lineHeight = painter.fontMetrics().lineSpacing();
        bool firstPage = true;
        for (const QStringList &lines : std::as_const(m_pages)) {
            if (!firstPage && !printer.newPage()) {
                m_error = QStringLiteral("The printer could not start a new page.");
                return false;
            }
            firstPage = false;
            int y = lineHeight;
            for (const QString &line : lines) {
                for (const QString &piece :
                     fittedLines(line, painter.fontMetrics(), page.width())) {
                    if (y > page.height()) { // a long text runs on to the next sheet
                        printer.newPage();
                        y = lineHeight;
                    }
                    painter.drawText(0, y, piece);
                    y += lineHeight;
                }
            }
        }
        if (!painter.end()) {
            m_error = QStringLiteral("The document could not be finished.");
            return false;
        }
        if (toPdf) {
            if (!QFileInfo::exists(pdfPath)) {
                m_error = QStringLiteral("The PDF file could not be written.");
                return false;
            }
            if (outputOverride().isEmpty())
                SetStatusText(QStringLiteral("Printed to ") + QDir::toNativeSeparators(pdfPath));
        }
        return true;
    }

private:
    QString m_documentName;
    QFont m_font;
    QList<QStringList> m_pages;
    QString m_error;
};

} // namespace

namespace Printing {

std::unique_ptr<LinePrinter> open(const QString &documentName)
{
    return std::make_unique<QtLinePrinter>(documentName);
}

void setOutputFile(const QString &pdfPath)
{
    outputOverride() = pdfPath;
}

} // namespace Printing
