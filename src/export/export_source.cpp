#include "export_source.h"

#include "platform/data_files.h"

#include <QFileInfo>
#include <QUuid>

namespace {

// The namespace of every exported identifier; never to change, or imports would duplicate.
const QUuid Namespace(QStringLiteral("{5b0e7a52-8f4d-4c1e-9a63-2d7c1f0b8e41}"));

} // namespace

ExportSource::ExportSource(const QString &fileName)
    : m_fileName(fileName),
      m_changed(QFileInfo(DataFiles::resolve(fileName)).lastModified().toUTC())
{
    const QTime time = m_changed.time();
    m_changed.setTime(QTime(time.hour(), time.minute(), time.second()));
}

QString ExportSource::uid(int record, QStringView part) const
{
    QString name = m_fileName + u'/' + QString::number(record);
    if (!part.isEmpty())
        name += u'/' + part.toString();
    return QUuid::createUuidV5(Namespace, name).toString(QUuid::WithoutBraces);
}
