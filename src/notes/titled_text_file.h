#pragma once

#include "platform/record_file.h"

#include <QList>
#include <QString>

// A title and a free text, as the boxes of a window show them.
struct TitledText
{
    QString title;
    QString body; // lines separated by "\n"
};

// A record file whose records hold their own number, a 40-character title and a body of a fixed
// width: the named lists and the notepad topics. The texts come and go as the boxes show them
// (stored_text.h).
class TitledTextFile
{
public:
    static constexpr int TitleWidth = 40;

    // initial: the records a new file holds.
    TitledTextFile(const QString &fileName, int bodyWidth, const QList<TitledText> &initial);

    QString fileName() const { return m_file.fileName(); }
    int recordLength() const { return m_file.recordLength(); }
    int bodyWidth() const { return m_bodyWidth; }

    bool exists() const { return m_file.exists(); }
    int count() const { return m_file.count(); }

    // Record n; past the end an empty title and body.
    TitledText read(int n) const;
    // The titles of records 1 .. count(), in one pass over the file.
    QList<QString> titles() const;
    // Writes record n with n as its number; a title or body too long for its field is cut.
    void write(int n, const TitledText &text) const;
    // Each record after n moves down one place over it, all together or not at all; the last
    // place is rewritten from a read past the end, so it holds a blank record and the file keeps
    // its length.
    void removeByShifting(int n) const;
    // Replaces the file with these records, numbered from 1.
    void create(const QList<TitledText> &texts) const;
    // A new file with its initial records.
    void createFile() const { create(m_initial); }
    // A new file holding the whole records of the file at this path, byte for byte.
    void createFrom(const QString &path) const;

private:
    Record toRecord(int n, const TitledText &text) const;
    TitledText textOf(const Record &record) const;

    RecordFile m_file;
    int m_bodyWidth;
    QList<TitledText> m_initial;
};
