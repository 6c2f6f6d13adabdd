#include "work_dir.h"

#include <QFile>
#include <QtEndian>

QByteArray WorkDir::read(const QString &name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WorkDir::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray le16(qint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian<qint16>(value, bytes.data());
    return bytes;
}

QByteArray padded(const QByteArray &text, int width)
{
    return text.left(width) + QByteArray(qMax(0, width - int(text.size())), ' ');
}
