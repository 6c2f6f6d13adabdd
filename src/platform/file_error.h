#pragma once

#include <QString>

#include <stdexcept>

// A data file that could not be created, read or written. Carries the system's own error text;
// the window that ran the user's action shows it (see file_guard.h).
class FileError : public std::runtime_error
{
public:
    FileError(const QString &fileName, const QString &systemText);

    QString fileName() const { return m_fileName; }
    QString systemText() const { return m_systemText; }
    QString message() const;

private:
    QString m_fileName;
    QString m_systemText;
};
