#include "personal_file.h"

namespace {

constexpr int RecNoAt = 0;

} // namespace

PersonRecord PersonRecord::fromRecord(const Record &record)
{
    PersonRecord person;
    person.RecNo = record.int16(RecNoAt);
    for (int i = 0; i < FieldCount; ++i) {
        const auto f = Field(i);
        person.fields.at(i) = record.shownText(offset(f), width(f));
    }
    return person;
}

Record PersonRecord::toRecord() const
{
    Record record(Length);
    record.setInt16(RecNoAt, RecNo);
    for (int i = 0; i < FieldCount; ++i) {
        const auto f = Field(i);
        record.setShownText(offset(f), width(f), fields.at(i));
    }
    return record;
}

PersonalFile::PersonalFile() : m_file(QStringLiteral("personal.dat"), PersonRecord::Length) {}

Record PersonalFile::placeholder()
{
    Record record(PersonRecord::Length);
    record.setInt16(RecNoAt, 1);
    record.setText(PersonRecord::offset(PersonRecord::Name),
                   PersonRecord::width(PersonRecord::Name), QStringLiteral("1"));
    return record;
}

void PersonalFile::createpersonal() const
{
    m_file.write(1, placeholder());
}

QList<PersonRecord> PersonalFile::readAll() const
{
    const QList<Record> records = m_file.readAll();
    QList<PersonRecord> people;
    people.reserve(records.size());
    for (const Record &record : records)
        people.append(PersonRecord::fromRecord(record));
    return people;
}
