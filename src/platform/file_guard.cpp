#include "file_guard.h"

#include "dialogs.h"

void reportFileError(QWidget *parent, const FileError &error)
{
    Dialogs::Message message;
    message.text = error.message();
    message.title = QStringLiteral("Velmora");
    message.icon = Dialogs::Icon::Critical;
    dialogs().message(parent, message);
}
