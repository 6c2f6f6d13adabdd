#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

// The data file an exported item comes from. Its name and the item's record number make the
// item's identifier, the same in every export of the same data, so a calendar or address book
// that imports a second time updates what it has instead of adding it again.
class ExportSource
{
public:
    // A data file of the working directory ("appoint.dat").
    explicit ExportSource(const QString &fileName);

    QString fileName() const { return m_fileName; }

    // A name-based UUID (version 5) of "file/record", or "file/record/part" for one of several
    // items of a record; lower case, without braces.
    QString uid(int record, QStringView part = {}) const;

    // When the file last changed, in UTC to the second; the last revision of every item in it
    // (an iCalendar DTSTAMP), so that exporting unchanged data gives the same bytes.
    QDateTime changed() const { return m_changed; }

private:
    QString m_fileName;
    QDateTime m_changed;
};
