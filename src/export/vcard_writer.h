#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <QStringView>

class QIODevice;

// vCard 4.0 (RFC 6350) in UTF-8. Every value is escaped and every content line folded here,
// and nowhere else: a backslash, comma, semicolon or line break in a value is escaped, and a
// line longer than 75 octets continues on the next after a space, never inside a character.
class VCardWriter
{
public:
    explicit VCardWriter(QIODevice &out);

    // BEGIN:VCARD and VERSION:4.0.
    void begin();
    void end();

    // A property of one value. name carries its parameters, as "TEL;VALUE=text;TYPE=home".
    void text(QByteArrayView name, QStringView value);
    // A property of fields separated by semicolons (N, ADR, ORG); each field is escaped.
    void fields(QByteArrayView name, const QStringList &values);

    static constexpr int MaxLineOctets = 75;
    static QString escaped(QStringView value);
    // The content line folded, each physical line ended by CR LF.
    static QByteArray folded(const QByteArray &line);

private:
    QIODevice &m_out;
};
