#pragma once

#include <QDate>
#include <QString>

#include <functional>

// What is done for a data file before its first change: a file damaged (its length no whole
// number of records) is copied aside first, and the first change of a day keeps a copy of the
// file as it was in backups/<date>/ of the data folder, for the last 14 days.
namespace FileCare {

void beforeChange(const QString &path, const QString &name, int recordLength);

// The folder the daily copies go to, in the data folder.
QString backupFolder();

// Where today comes from for the daily copies (tests); an empty function: the system clock.
void setClock(std::function<QDate()> clock);

} // namespace FileCare
