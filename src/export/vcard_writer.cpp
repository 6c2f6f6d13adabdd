#include "vcard_writer.h"

#include <QIODevice>

namespace {

bool isContinuationByte(char byte)
{
    return (uchar(byte) & 0xC0) == 0x80;
}

} // namespace

VCardWriter::VCardWriter(QIODevice &out) : m_out(out) {}

void VCardWriter::begin()
{
    m_out.write("BEGIN:VCARD\r\nVERSION:4.0\r\n");
}

void VCardWriter::end()
{
    m_out.write("END:VCARD\r\n");
}

void VCardWriter::text(QByteArrayView name, QStringView value)
{
    m_out.write(folded(name.toByteArray() + ':' + escaped(value).toUtf8()));
}

void VCardWriter::fields(QByteArrayView name, const QStringList &values)
{
    QStringList escapedValues;
    escapedValues.reserve(values.size());
    for (const QString &value : values)
        escapedValues.append(escaped(value));
    m_out.write(folded(name.toByteArray() + ':' + escapedValues.join(u';').toUtf8()));
}

QString VCardWriter::escaped(QStringView value)
{
    QString out;
    out.reserve(value.size() + 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u',':
            out += QStringLiteral("\\,");
            break;
        case u';':
            out += QStringLiteral("\\;");
            break;
        case u'\r':
            // A line break stored as CR LF, or a lone CR, is one break.
            if (i + 1 < value.size() && value.at(i + 1) == u'\n')
                ++i;
            out += QStringLiteral("\\n");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QByteArray VCardWriter::folded(const QByteArray &line)
{
    QByteArray out;
    out.reserve(line.size() + line.size() / 64 * 3 + 2);
    qsizetype at = 0;
    // The first line takes 75 octets; each further one a space and 74.
    qsizetype room = MaxLineOctets;
    while (line.size() - at > room) {
        qsizetype cut = at + room;
        while (cut > at && isContinuationByte(line.at(cut)))
            --cut;
        out.append(line.constData() + at, cut - at);
        out.append("\r\n ");
        at = cut;
        room = MaxLineOctets - 1;
    }
    out.append(line.constData() + at, line.size() - at);
    out.append("\r\n");
    return out;
}
