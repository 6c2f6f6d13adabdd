#include "file_error.h"

FileError::FileError(const QString &fileName, const QString &systemText)
    : std::runtime_error((fileName + QStringLiteral(": ") + systemText).toStdString()),
      m_fileName(fileName), m_systemText(systemText)
{}

QString FileError::message() const
{
    return m_fileName + QStringLiteral(": ") + m_systemText;
}
