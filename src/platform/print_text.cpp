#include "platform/print_text.h"

#include "platform/common_messages.h"
#include "platform/printer.h"

bool printAfterAsking(QWidget *parent, const QString &documentName, const QString &text)
{
    if (!confirmPrintNow(parent))
        return false;
    const auto printer = Printing::open(documentName);
    printer->printLine(text);
    if (printer->endDocument())
        return true;
    tell(parent, QStringLiteral("Printer Problem"));
    return false;
}
