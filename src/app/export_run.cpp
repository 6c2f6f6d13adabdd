#include "export_run.h"

#include "command_line.h"
#include "data_folder.h"

#include "export/data_export.h"
#include "platform/file_error.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

int fail(const QString &why)
{
    std::fputs(qPrintable(QStringLiteral("velmora: %1\n").arg(why)), stderr);
    return 1;
}

} // namespace

int runExport(const CommandLine &line)
{
    const QDir startedIn(QDir::currentPath());
    const QString folder = DataFolder::choose(line.dataFolder, startedIn.path());
    // Export only reads: a data folder that is not there is not made.
    if (!QFileInfo(folder).isDir())
        return fail(QStringLiteral("no data folder %1").arg(QDir::toNativeSeparators(folder)));
    // The files named on the command line are where the user started, not in the data folder.
    const auto target = [&startedIn](const QString &given) {
        return given.isEmpty() ? QString() : startedIn.absoluteFilePath(given);
    };
    const QString calendarFile = target(line.calendarExport);
    const QString contactsFile = target(line.contactsExport);
    if (!QDir::setCurrent(folder))
        return fail(QStringLiteral("cannot enter the data folder %1")
                        .arg(QDir::toNativeSeparators(folder)));
    try {
        if (!calendarFile.isEmpty()) {
            DataExport::Exported exported;
            exported.calendar = DataExport::writeCalendar(calendarFile);
            std::puts(qPrintable(exported.text(QDir::toNativeSeparators(calendarFile))));
        }
        if (!contactsFile.isEmpty()) {
            DataExport::Exported exported;
            exported.contacts = DataExport::writeContacts(contactsFile);
            std::puts(qPrintable(exported.text(QDir::toNativeSeparators(contactsFile))));
        }
    } catch (const FileError &error) {
        return fail(QStringLiteral("export failed: %1").arg(error.message()));
    }
    return 0;
}
