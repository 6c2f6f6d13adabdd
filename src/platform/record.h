#pragma once

#include <QByteArray>
#include <QString>

// One fixed-length record of a data file and its fields: 16-bit signed little-endian integers
// and fixed-width cp1252 text, padded with spaces on write and cut at the width. A field that
// was never written holds zero bytes.
class Record
{
public:
    explicit Record(int length = 0);
    explicit Record(const QByteArray &bytes);

    int length() const { return int(m_bytes.size()); }
    const QByteArray &bytes() const { return m_bytes; }
    bool isZero() const;

    qint16 int16(int offset) const;
    void setInt16(int offset, qint16 value);

    // The field exactly as stored: its padding kept, a never-written byte as U+0000.
    QString text(int offset, int width) const;
    // Padded with blanks to the width, cut at it.
    void setText(int offset, int width, QStringView value);
    // The field as a box shows it, and a box's text stored into it (stored_text.h).
    QString shownText(int offset, int width) const;
    void setShownText(int offset, int width, QStringView value);

    QByteArray raw(int offset, int width) const;
    void setRaw(int offset, const QByteArray &bytes);

private:
    QByteArray m_bytes;
};
