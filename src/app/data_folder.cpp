#include "data_folder.h"

#include "platform/data_files.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace DataFolder {

QString choose(const QString &given, const QString &startedIn)
{
    const QDir started(startedIn);
    if (!given.isEmpty())
        return QDir::cleanPath(started.absoluteFilePath(given));
    if (DataFiles::exists(started.filePath(QStringLiteral("setup.dat"))))
        return QDir::cleanPath(started.absolutePath());
    // $XDG_DATA_HOME/velmora, ~/.local/share/velmora unless the user moved it.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("velmora"));
}

QString use(const QString &folder)
{
    const QString cannot = QStringLiteral("Velmora cannot keep its data in the folder %1: %2");
    if (folder.isEmpty())
        return cannot.arg(QStringLiteral("(none)"), QStringLiteral("no data folder is known"));
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder.toStdString()), error);
    if (error)
        return cannot.arg(QDir::toNativeSeparators(folder),
                          QString::fromStdString(error.message()));
    // A folder that takes no new file would fail at the first save; it is found out now.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".velmora-XXXXXX")));
    if (!probe.open())
        return cannot.arg(QDir::toNativeSeparators(folder), probe.errorString());
    probe.close();
    probe.remove();
    if (!QDir::setCurrent(folder))
        return cannot.arg(QDir::toNativeSeparators(folder),
                          QStringLiteral("the folder cannot be entered"));
    return QString();
}

} // namespace DataFolder
