#include "file_care.h"

#include "file_error.h"
#include "file_notices.h"
#include "os_file.h"
#include "whole_file.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int KeptDays = 14;
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

std::function<QDate()> &installedClock()
{
    static std::function<QDate()> installed;
    return installed;
}

QDate today()
{
    return installedClock() ? installedClock()() : QDate::currentDate();
}

QByteArray bytesOf(const QString &path, const QString &name)
{
    const OsFile file(path, name, OsFile::Mode::Read);
    return file.readAt(0, file.size());
}

// The bytes kept aside under name.damaged, or the next free name after it; never over another.
void keepDamaged(const QString &path, const QString &name, const QByteArray &bytes)
{
    QString aside = path + QStringLiteral(".damaged");
    for (int n = 2; OsFile::exists(aside); ++n) {
        if (bytesOf(aside, name) == bytes)
            return; // kept already
        aside = path + QStringLiteral(".damaged-") + QString::number(n);
    }
    writeWholeFile(aside, QFileInfo(aside).fileName(), bytes);
    FileNotices::add(QStringLiteral("%1 was damaged: its last record was cut short. Its bytes as "
                                    "they were are kept in %2 before anything is written to it.")
                         .arg(name, QDir::toNativeSeparators(QFileInfo(aside).absoluteFilePath())));
}

void pruneBackups(const QDate &day)
{
    QDir folder(FileCare::backupFolder());
    const QStringList days = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : days) {
        const QDate kept = QDate::fromString(entry, DateFormat);
        if (kept.isValid() && kept <= day.addDays(-KeptDays))
            QDir(folder.filePath(entry)).removeRecursively();
    }
}

QString backupOf(const QString &path, const QDate &day)
{
    return QDir(FileCare::backupFolder())
        .filePath(day.toString(DateFormat) + u'/' + QFileInfo(path).fileName());
}

void backUp(const QString &path, const QString &name, const QByteArray &bytes, const QDate &day)
{
    const QString copy = backupOf(path, day);
    const QDir folder = QFileInfo(copy).dir();
    if (!QDir().mkpath(folder.path()))
        throw FileError(name, QStringLiteral("the backup folder %1 cannot be made")
                                  .arg(QDir::toNativeSeparators(folder.path())));
    writeWholeFile(copy, QDir::toNativeSeparators(copy), bytes);
    pruneBackups(day);
}

} // namespace

namespace FileCare {

void beforeChange(const QString &path, const QString &name, int recordLength)
{
    if (!OsFile::exists(path))
        return;
    const qint64 size = OsFile(path, name, OsFile::Mode::Read).size();
    const bool damaged = recordLength > 0 && size % recordLength != 0;
    // Only the program's own files are in its data folder; a ledger elsewhere is the user's.
    const QDate day = today();
    const bool firstToday =
        QFileInfo(path).isRelative() && size > 0 && !OsFile::exists(backupOf(path, day));
    if (!damaged && !firstToday)
        return;
    const QByteArray bytes = bytesOf(path, name);
    if (damaged)
        keepDamaged(path, name, bytes);
    if (firstToday) {
        // A copy that cannot be kept is no reason to refuse the change the user asked for; a
        // folder that takes no copy mostly takes no change either, which the change then says.
        try {
            backUp(path, name, bytes, day);
        } catch (const FileError &error) {
            qWarning("velmora: no backup of %s today: %s", qPrintable(name),
                     qPrintable(error.message()));
        }
    }
}

QString backupFolder()
{
    return QDir::current().filePath(QStringLiteral("backups"));
}

void setClock(std::function<QDate()> installed)
{
    installedClock() = std::move(installed);
}

} // namespace FileCare
