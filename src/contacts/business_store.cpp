#include "business_store.h"

#include "platform/cp1252.h"
#include "platform/stored_text.h"

#include <array>

namespace {

struct Field
{
    int offset;
    int width;
    QString BizRecord::*member;
};

constexpr int RecNoOffset = 0;
constexpr int NameWidth = BizRecord::NameWidth;

// The thirteen text fields in file order, which is also the order of the window's boxes.
const std::array<Field, 13> Fields{{
    {2, NameWidth, &BizRecord::Company},
    {42, NameWidth, &BizRecord::Contact},
    {82, BizRecord::AddressWidth, &BizRecord::Address},
    {182, NameWidth, &BizRecord::City},
    {222, NameWidth, &BizRecord::State},
    {262, NameWidth, &BizRecord::Zip},
    {302, NameWidth, &BizRecord::Phone1},
    {342, NameWidth, &BizRecord::Ext1},
    {382, NameWidth, &BizRecord::Phone2},
    {422, NameWidth, &BizRecord::Ext2},
    {462, NameWidth, &BizRecord::Fax},
    {502, NameWidth, &BizRecord::EMail},
    {542, BizRecord::NotesWidth, &BizRecord::Notes},
}};

int nameOffset(BizStore::ListBy by)
{
    return by == BizStore::ListBy::Company ? Fields[0].offset : Fields[1].offset;
}

// A name field as a box shows it.
QString nameIn(QByteArrayView record, int offset)
{
    return shownText(Cp1252::decode(record.sliced(offset, NameWidth)));
}

} // namespace

BizRecord BizRecord::fromRecord(const Record &record)
{
    BizRecord card;
    card.RecNo = record.int16(RecNoOffset);
    for (const Field &field : Fields)
        card.*field.member = record.shownText(field.offset, field.width);
    return card;
}

Record BizRecord::toRecord() const
{
    Record record(Length);
    record.setInt16(RecNoOffset, RecNo);
    for (const Field &field : Fields)
        record.setShownText(field.offset, field.width, this->*field.member);
    return record;
}

BizStore::BizStore() : m_file(QStringLiteral("biz.dat"), BizRecord::Length) {}

bool BizStore::exists() const
{
    return m_file.exists();
}

void BizStore::create() const
{
    Record first(BizRecord::Length);
    first.setInt16(RecNoOffset, 1);
    first.setText(Fields[0].offset, Fields[0].width, QString(11, u' '));
    m_file.write(1, first);
}

int BizStore::count() const
{
    return qMin(m_file.count(), MaxRecords);
}

BizRecord BizStore::read(int n) const
{
    return BizRecord::fromRecord(m_file.read(n));
}

QList<BizRecord> BizStore::readAll() const
{
    QList<BizRecord> cards;
    m_file.scan(1, [&cards](int n, QByteArrayView bytes) {
        if (n > MaxRecords)
            return false;
        cards.append(BizRecord::fromRecord(Record(bytes.toByteArray())));
        return true;
    });
    return cards;
}

void BizStore::write(int n, const BizRecord &card) const
{
    Q_ASSERT(n >= 1 && n <= MaxRecords);
    BizRecord numbered = card;
    numbered.RecNo = qint16(n);
    m_file.write(n, numbered.toRecord());
}

QStringList BizStore::names(ListBy by) const
{
    const int offset = nameOffset(by);
    QStringList names;
    m_file.scan(1, [&](int n, QByteArrayView record) {
        if (n > MaxRecords)
            return false;
        names.append(nameIn(record, offset));
        return true;
    });
    return names;
}

int BizStore::find(ListBy by, QStringView name) const
{
    const int offset = nameOffset(by);
    int found = 0;
    m_file.scan(1, [&](int n, QByteArrayView record) {
        if (n > MaxRecords)
            return false;
        if (nameIn(record, offset) != name)
            return true;
        found = n;
        return false;
    });
    return found;
}
