#include "printer.h"

#include "print_queue.h"
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
#include <QTemporaryFile>

namespace {

QString &outputOverride()
{
    static QString path;
    return path;
}

// A new file for a printout in the documents folder, named for the document and the time; a
// name already taken gets a number, so no printout ever overwrites another. The file is
// created here, so two printouts at once cannot both take the same name.
QString reservePdfPath(const QString &documentName)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty())
        dir = QDir::homePath();
    QDir().mkpath(dir);
    QString base = documentName;
    base.replace(u'/', u'-');
    base.replace(u' ', u'-');
    base += u'-' + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    for (int n = 1; n < 1000; ++n) {
        const QString path = QDir(dir).filePath((n == 1 ? base : base + u'-' + QString::number(n)) +
                                                QStringLiteral(".pdf"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!QFileInfo::exists(path)) // not taken, but the folder takes no file
            return QString();
    }
    return QString();
}

// The paper the printer takes when nothing says otherwise; A4 when it names none.
QPageSize paperOf(const QPrinterInfo &printer)
{
    const QPageSize paper = printer.defaultPageSize();
    return paper.isValid() ? paper : QPageSize(QPageSize::A4);
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
        // A new page that nothing was printed on before the end prints no blank sheet.
        while (m_pages.size() > 1 && m_pages.constLast().isEmpty())
            m_pages.removeLast();
        const QPrinterInfo printer =
            outputOverride().isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo();
        return printer.isNull() ? printToPdf() : printTo(printer);
    }

private:
    // With no printer, the pages become a PDF of their own in the documents folder.
    bool printToPdf()
    {
        const bool chosen = !outputOverride().isEmpty();
        const QString path = chosen ? outputOverride() : reservePdfPath(m_documentName);
        if (path.isEmpty()) {
            m_error = QStringLiteral("The PDF file could not be written.");
            return false;
        }
        if (!render(path, Printing::paperSize())) {
            if (!chosen)
                QFile::remove(path);
            return false;
        }
        if (!chosen)
            SetStatusText(QStringLiteral("Printed to ") + QDir::toNativeSeparators(path));
        return true;
    }

    // The pages go to the print system as a PDF on the printer's own paper; a job it refuses
    // is a failure like any other.
    bool printTo(const QPrinterInfo &printer)
    {
        QTemporaryFile spool(QDir(QDir::tempPath()).filePath(QStringLiteral("velmora-XXXXXX.pdf")));
        if (!spool.open()) {
            m_error = spool.errorString();
            return false;
        }
        const QPageSize paper = paperOf(printer);
        if (!render(spool.fileName(), paper))
            return false;
        m_error = PrintQueue::submit(printer.printerName(), spool.fileName(), m_documentName,
                                     paper.key());
        return m_error.isEmpty();
    }

    // Paints the pages into a PDF file on paper of that size.
    bool render(const QString &pdfPath, const QPageSize &paper)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(m_documentName);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        printer.setPageSize(paper);
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
        // The file may have been made empty before the pages could be written into it.
        if (QFileInfo(pdfPath).size() == 0) {
            m_error = QStringLiteral("The PDF file could not be written.");
            return false;
        }
        return true;
    }

    QString m_documentName;
    QFont m_font;
    QList<QStringList> m_pages;
    QString m_error;
};

} // namespace

namespace Printing {

QPageSize paperSize()
{
    return outputOverride().isEmpty() ? paperOf(QPrinterInfo::defaultPrinter())
                                      : QPageSize(QPageSize::A4);
}

std::unique_ptr<LinePrinter> open(const QString &documentName)
{
    return std::make_unique<QtLinePrinter>(documentName);
}

void setOutputFile(const QString &pdfPath)
{
    outputOverride() = pdfPath;
}

} // namespace Printing
