#include "program.h"

#include "command_line.h"
#include "data_folder.h"
#include "instance_guard.h"
#include "window_table.h"

#include "platform/dialogs.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QDir>

namespace {

// Said before any frame exists: on the terminal, for a start from a shell, and in a box.
void reportCannotStart(const QString &text)
{
    qCritical("%s", qPrintable(text));
    Dialogs::Message message;
    message.text = text;
    message.title = QStringLiteral("Velmora");
    message.icon = Dialogs::Icon::Critical;
    dialogs().message(nullptr, message);
}

} // namespace

int runProgram(const CommandLine &line)
{
    const QString folder = DataFolder::choose(line.dataFolder, QDir::currentPath());
    if (const QString why = DataFolder::use(folder); !why.isEmpty()) {
        reportCannotStart(why);
        return 1;
    }
    InstanceGuard guard(folder);
    switch (guard.claim()) {
    case InstanceGuard::Outcome::First:
        break;
    case InstanceGuard::Outcome::HandedOver:
        return 0;
    case InstanceGuard::Outcome::Failed:
        reportCannotStart(guard.why());
        return 1;
    }
    VL32V1 frame(createToolWindow);
    QObject::connect(&guard, &InstanceGuard::frontRequested, &frame, [&frame] {
        frame.showNormal();
        frame.raise();
        frame.activateWindow();
    });
    frame.show();
    return QApplication::exec();
}
