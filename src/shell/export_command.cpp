#include "export_command.h"

#include "export/data_export.h"

#include "platform/dialogs.h"
#include "platform/file_guard.h"
#include "platform/status_panels.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

const QString Title = QStringLiteral("Export");

// Whether the files may be written: yes when none is there yet, else the user's answer.
bool mayReplace(QWidget *parent, const QDir &folder, const QStringList &names)
{
    QStringList existing;
    for (const QString &name : names) {
        if (QFileInfo::exists(folder.filePath(name)))
            existing.append(name);
    }
    if (existing.isEmpty())
        return true;
    Dialogs::Message question;
    question.text = existing.size() == 1 ? QStringLiteral("%1 already exists in %2.\nReplace it?")
                                         : QStringLiteral("%1 already exist in %2.\nReplace them?");
    question.text = question.text.arg(existing.join(QStringLiteral(" and ")),
                                      QDir::toNativeSeparators(folder.path()));
    question.title = Title;
    question.buttons = Dialogs::Buttons::YesNo;
    question.icon = Dialogs::Icon::Exclamation;
    question.defaultButton = 2;
    return dialogs().message(parent, question) == Dialogs::Answer::Yes;
}

} // namespace

void exportToFolder(QWidget *parent)
{
    const QString chosen =
        dialogs().folder(parent, QStringLiteral("Export to Folder"), QDir::homePath());
    if (chosen.isEmpty())
        return;
    const QDir folder(chosen);
    const QString calendar = DataExport::calendarFileName();
    const QString contacts = DataExport::contactsFileName();
    if (!mayReplace(parent, folder, {calendar, contacts}))
        return;
    DataExport::Exported exported;
    const bool written = guarded(parent, [&] {
        exported.calendar = DataExport::writeCalendar(folder.filePath(calendar));
        exported.contacts = DataExport::writeContacts(folder.filePath(contacts));
    });
    if (written)
        SetStatusText(exported.text(QDir::toNativeSeparators(folder.path())));
}
