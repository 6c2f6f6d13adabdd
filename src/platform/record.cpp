#include "record.h"

#include "cp1252.h"
#include "stored_text.h"

#include <QtEndian>

#include <algorithm>

Record::Record(int length) : m_bytes(length, '\0') {}

Record::Record(const QByteArray &bytes) : m_bytes(bytes) {}

bool Record::isZero() const
{
    return std::all_of(m_bytes.cbegin(), m_bytes.cend(), [](char c) { return c == '\0'; });
}

qint16 Record::int16(int offset) const
{
    Q_ASSERT(offset >= 0 && offset + 2 <= length());
    return qFromLittleEndian<qint16>(m_bytes.constData() + offset);
}

void Record::setInt16(int offset, qint16 value)
{
    Q_ASSERT(offset >= 0 && offset + 2 <= length());
    qToLittleEndian<qint16>(value, m_bytes.data() + offset);
}

QString Record::text(int offset, int width) const
{
    return Cp1252::decode(raw(offset, width));
}

QString Record::shownText(int offset, int width) const
{
    QByteArrayView field = QByteArrayView(m_bytes).sliced(offset, width);
    const qsizetype nul = field.indexOf('\0');
    if (nul >= 0)
        field.truncate(nul);
    return ::shownText(Cp1252::decode(field));
}

void Record::setShownText(int offset, int width, QStringView value)
{
    setText(offset, width, storedText(value));
}

void Record::setText(int offset, int width, QStringView value)
{
    QByteArray field = Cp1252::encode(value).left(width);
    field.append(QByteArray(width - field.size(), ' '));
    setRaw(offset, field);
}

QByteArray Record::raw(int offset, int width) const
{
    Q_ASSERT(offset >= 0 && width >= 0 && offset + width <= length());
    return m_bytes.mid(offset, width);
}

void Record::setRaw(int offset, const QByteArray &bytes)
{
    Q_ASSERT(offset >= 0 && offset + bytes.size() <= length());
    std::copy(bytes.cbegin(), bytes.cend(), m_bytes.begin() + offset);
}
