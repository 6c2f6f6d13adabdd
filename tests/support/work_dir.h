#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A fresh, empty working directory for one test, made current while it lives.
class WorkDir
{
public:
    WorkDir() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~WorkDir() { QDir::setCurrent(m_previous); }
    WorkDir(const WorkDir &) = delete;
    WorkDir &operator=(const WorkDir &) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    QByteArray read(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;

private:
    QString m_previous;
    QTemporaryDir m_dir;
};

// Bytes of a record field as the data files keep them.
QByteArray le16(qint16 value);
QByteArray padded(const QByteArray &text, int width);
