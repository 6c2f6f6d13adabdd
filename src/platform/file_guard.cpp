#include "file_guard.h"

#include "dialogs.h"
#include "file_notices.h"

void reportFileError(QWidget *parent, const FileError &error)
{
    Dialogs::Message message;
    message.text = error.message();
    message.title = QStringLiteral("Velmora");
    message.icon = Dialogs::Icon::Critical;
    dialogs().message(parent, message);
}

void showFileNotices(QWidget *parent)
{
    for (const QString &note : FileNotices::take()) {
        Dialogs::Message message;
        message.text = note;
        message.title = QStringLiteral("Velmora");
        message.icon = Dialogs::Icon::Exclamation;
        dialogs().message(parent, message);
    }
}
