#pragma once

#include <QFont>
#include <QPageSize>
#include <QString>

#include <memory>

// The default printer, driven a line at a time as the windows print: print a line, start a new
// page, end the document. Nothing reaches paper until endDocument().
class LinePrinter
{
public:
    virtual ~LinePrinter() = default;

    virtual void setFont(const QFont &font) = 0;
    // A line holding line breaks prints as several lines; one wider than the sheet goes on
    // below, broken after a blank.
    virtual void printLine(const QString &line) = 0;
    virtual void newPage() = 0;
    // false when the document could not be printed; errorString() says why.
    virtual bool endDocument() = 0;
    virtual QString errorString() const = 0;
};

namespace Printing {

// A document on the default printer, on its default paper; a job the print system refuses
// fails. With no printer installed, the pages become a PDF named for the document and the time
// in the user's documents folder, never over an earlier one, and panel 2 shows its path.
std::unique_ptr<LinePrinter> open(const QString &documentName);

// The paper documents are laid out on: the default printer's own default size; A4 for a PDF.
QPageSize paperSize();

// Sends every document to this PDF file instead (tests); empty text sends them to the printer.
void setOutputFile(const QString &pdfPath);

} // namespace Printing
