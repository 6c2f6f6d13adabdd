#include "print_text.h"

#include "platform/dialogs.h"
#include "platform/printer.h"

namespace {

Dialogs::Message report(const QString &text, Dialogs::Buttons buttons)
{
    Dialogs::Message message;
    message.text = text;
    message.title = QStringLiteral("Velmora");
    message.buttons = buttons;
    return message;
}

} // namespace

bool printAfterAsking(QWidget *parent, const QString &documentName, const QString &text)
{
    const Dialogs::Message ask =
        report(QStringLiteral("      Do you want Print Now ?"), Dialogs::Buttons::OkCancel);
    if (dialogs().message(parent, ask) == Dialogs::Answer::Cancel)
        return false;
    const auto printer = Printing::open(documentName);
    printer->printLine(text);
    if (printer->endDocument())
        return true;
    dialogs().message(parent, report(QStringLiteral("Printer Problem"), Dialogs::Buttons::Ok));
    return false;
}
