#include "data_files.h"

#include <QDir>
#include <QFileInfo>

namespace DataFiles {

QString resolve(const QString &name)
{
    const QFileInfo info(name);
    if (info.exists())
        return name;
    const QDir dir = info.dir();
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return info.path() == QLatin1String(".") ? entry : dir.filePath(entry);
    }
    return name;
}

bool exists(const QString &name)
{
    return QFileInfo(resolve(name)).isFile();
}

} // namespace DataFiles
