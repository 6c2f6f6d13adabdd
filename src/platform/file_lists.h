#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>

// The drive, directory and file lists of a file browser. Drives are the file-system root and
// the mounted volumes; directories and files are read from the disk when the path changes.

// The drive list: the root of each volume.
class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveListBox(QWidget *parent = nullptr);

    // The volumes offered; the system's when constructed.
    void setDrives(const QStringList &roots);
    QString drive() const { return currentText(); }
    // Shows the volume that holds path, without running the change step.
    void showDriveOf(const QString &path);
    // true when the volume's root can be listed.
    static bool isReadable(const QString &root);

signals:
    // The user chose another drive.
    void driveChanged(const QString &root);
};

// The directory list: the current directory's ancestors from the root down, then its
// subdirectories. Activating an entry (double-click, Enter) moves there.
class DirListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit DirListBox(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Moves to the directory; false, and nothing changes, when it cannot be read.
    bool setPath(const QString &path);

signals:
    void pathChanged(const QString &path);

private:
    void fill();

    QString m_path;
};

// The file list: the files of one directory that match a wildcard pattern (letter case aside).
class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString &path);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);
    // The chosen file's name, or empty text.
    QString fileName() const;
    // A pattern, a directory, or a directory followed by a pattern: "/home/me/*.wav".
    void setFileName(const QString &text);
    void refresh();

signals:
    void pathChanged(const QString &path);
    void patternChanged(const QString &pattern);

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
};

// A file of a browsed directory as one path. A drive root "a:\" to "i:\" and any directory that
// already ends in a separator are followed directly by the name; other directories get one
// separator between.
QString browsedFilePath(const QString &directory, const QString &fileName);

// The directory list follows a drive chosen in the drive list. A drive that cannot be read is
// reported as "Drive Not Available"; the directory list keeps its path and the drive list shows
// its drive again.
void followDrive(QWidget *window, DriveListBox *drive, DirListBox *directory);
