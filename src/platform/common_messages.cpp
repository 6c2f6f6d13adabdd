#include "common_messages.h"

#include "dialogs.h"

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

bool confirmPrintNow(QWidget *parent)
{
    Dialogs::Message question;
    question.text = QStringLiteral("      Do you want Print Now ?");
    question.title = QStringLiteral("Velmora");
    question.buttons = Dialogs::Buttons::OkCancel;
    return dialogs().message(parent, question) == Dialogs::Answer::Ok;
}

void tell(QWidget *parent, const QString &text)
{
    dialogs().message(parent, Dialogs::Message{text, QStringLiteral("Velmora")});
}
