#include "questions.h"

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

bool confirmDelete(QWidget *parent)
{
    Dialogs::Message question;
    question.text = QStringLiteral("Delete ?");
    question.title = QStringLiteral("Delete");
    question.buttons = Dialogs::Buttons::YesNo;
    question.icon = Dialogs::Icon::Critical;
    question.defaultButton = 2;
    return dialogs().message(parent, question) == Dialogs::Answer::Yes;
}

void notify(QWidget *parent, const QString &text)
{
    dialogs().message(parent, report(text, Dialogs::Buttons::Ok));
}

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
    notify(parent, QStringLiteral("Printer Problem"));
    return false;
}
