#include "shipped_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QStringList &overridden()
{
    static QStringList list;
    return list;
}

QStringList searched()
{
    if (!overridden().isEmpty())
        return overridden();
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(), program.filePath(QStringLiteral("../share/velmora"))};
}

} // namespace

namespace ShippedFiles {

QString path(const QString &name)
{
    for (const QString &folder : searched()) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile())
            return QDir::cleanPath(file.absoluteFilePath());
    }
    return QString();
}

void setFolders(const QStringList &list)
{
    overridden() = list;
}

} // namespace ShippedFiles
