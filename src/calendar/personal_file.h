#pragma once

#include "platform/record.h"
#include "platform/record_file.h"

#include <QList>
#include <QString>

#include <array>

// One entry of the personal phone book, personal.dat.
struct PersonRecord
{
    static constexpr int Length = 862;

    // The fields in the order they are stored, after the 16-bit RecNo.
    enum Field { Name, Address, City, State, Zip, Phone, Ext, Fax, Email, Notes };
    static constexpr int FieldCount = 10;
    static int width(Field field) { return field == Notes ? 500 : 40; }
    static int offset(Field field) { return 2 + 40 * int(field); }

    qint16 RecNo = 0;
    // Each field as a box shows it (stored_text.h).
    std::array<QString, FieldCount> fields;

    QString field(Field f) const { return fields.at(f); }
    void setField(Field f, const QString &value) { fields.at(f) = value; }

    static PersonRecord fromRecord(const Record &record);
    Record toRecord() const;
};

// personal.dat. Record 1 is a placeholder that the window rewrites each time it loads; the
// entries start at record 2. Deleting an entry blanks its record.
class PersonalFile
{
public:
    PersonalFile();

    bool exists() const { return m_file.exists(); }
    // Writes placeholder record 1, creating the file when it is missing.
    void createpersonal() const;
    int count() const { return m_file.count(); }
    PersonRecord read(int n) const { return PersonRecord::fromRecord(m_file.read(n)); }
    // Every record, a partial last one padded with zero bytes, in one pass.
    QList<PersonRecord> readAll() const;
    void write(int n, const PersonRecord &person) const { m_file.write(n, person.toRecord()); }

    // Record 1 as the window writes it: "1" as the name, every other field never written.
    static Record placeholder();

private:
    RecordFile m_file;
};
