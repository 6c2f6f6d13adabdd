#include "file_lists.h"

#include "common_messages.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>

namespace {

constexpr int PathRole = Qt::UserRole;

QString cleanPath(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

} // namespace

DriveListBox::DriveListBox(QWidget *parent) : QComboBox(parent)
{
    QStringList roots{QDir::rootPath()};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    }
    setDrives(roots);
    connect(this, &QComboBox::activated, this, [this] { emit driveChanged(drive()); });
}

void DriveListBox::setDrives(const QStringList &roots)
{
    const QSignalBlocker block(this);
    clear();
    addItems(roots);
}

void DriveListBox::showDriveOf(const QString &path)
{
    const QString clean = cleanPath(path);
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemText(i);
        const bool holds = clean == root || root == QDir::rootPath() ||
                           clean.startsWith(root.endsWith(u'/') ? root : root + u'/');
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    const QSignalBlocker block(this);
    setCurrentIndex(best);
}

bool DriveListBox::isReadable(const QString &root)
{
    const QFileInfo info(root);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

DirListBox::DirListBox(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setPath(item->data(PathRole).toString()); });
}

bool DirListBox::setPath(const QString &path)
{
    const QString clean = cleanPath(path);
    if (!DriveListBox::isReadable(clean))
        return false;
    if (clean == m_path)
        return true;
    m_path = clean;
    fill();
    emit pathChanged(m_path);
    return true;
}

void DirListBox::fill()
{
    clear();
    QStringList ancestors;
    for (QDir dir(m_path);;) {
        ancestors.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &ancestor : std::as_const(ancestors)) {
        const QString name = QDir(ancestor).isRoot() ? ancestor : QFileInfo(ancestor).fileName();
        auto *item = new QListWidgetItem(QString(depth * 2, u' ') + name, this);
        item->setData(PathRole, ancestor);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QFileInfoList children = QDir(m_path).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                              QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &child : children) {
        auto *item = new QListWidgetItem(QString(depth * 2, u' ') + child.fileName(), this);
        item->setData(PathRole, child.absoluteFilePath());
    }
}

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent) {}

void FileListBox::setPath(const QString &path)
{
    const QString clean = cleanPath(path);
    if (clean == m_path)
        return;
    m_path = clean;
    refresh();
    emit pathChanged(m_path);
}

void FileListBox::setPattern(const QString &pattern)
{
    if (pattern == m_pattern)
        return;
    m_pattern = pattern;
    refresh();
    // cppcheck-suppress shadowFunction
    emit patternChanged(m_pattern);
}

QString FileListBox::fileName() const
{
    const QListWidgetItem *item = currentItem();
    return item ? item->text() : QString();
}

void FileListBox::setFileName(const QString &text)
{
    const qsizetype slash = text.lastIndexOf(u'/');
    QString name = text;
    if (slash >= 0) {
        setPath(slash == 0 ? QDir::rootPath() : text.left(slash));
        name = text.mid(slash + 1);
    }
    if (name.isEmpty())
        return;
    const QFileInfo named(QDir(m_path), name);
    if (!name.contains(u'*') && !name.contains(u'?') && named.isDir()) {
        setPath(named.absoluteFilePath());
        return;
    }
    const QList<QListWidgetItem *> found = findItems(name, Qt::MatchFixedString);
    if (!found.isEmpty())
        setCurrentItem(found.constFirst());
    else
        setPattern(name);
}

void FileListBox::refresh()
{
    clear();
    if (m_path.isEmpty())
        return;
    const QStringList patterns = m_pattern.split(u';', Qt::SkipEmptyParts);
    addItems(QDir(m_path).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QString browsedFilePath(const QString &directory, const QString &fileName)
{
    static const QRegularExpression driveRoot(QStringLiteral("^[a-iA-I]:\\\\$"));
    if (driveRoot.match(directory).hasMatch() || directory.endsWith(u'/') ||
        directory.endsWith(u'\\'))
        return directory + fileName;
    return directory + QDir::separator() + fileName;
}

void followDrive(QWidget *window, DriveListBox *drive, DirListBox *directory)
{
    if (DriveListBox::isReadable(drive->drive()) && directory->setPath(drive->drive()))
        return;
    tell(window, QStringLiteral("Drive Not Available"));
    drive->showDriveOf(directory->path());
}
