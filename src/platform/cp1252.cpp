#include "cp1252.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace {

struct Tables
{
    std::array<QChar, 256> toUnicode;
    QHash<char16_t, char> fromUnicode;

    Tables()
    {
        QStringDecoder decoder("windows-1252");
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            QChar ch{char16_t(b)}; // Latin-1 where the system has no cp1252 decoder
            if (decoder.isValid()) {
                const QString s = decoder.decode(QByteArrayView(&byte, 1));
                if (s.size() == 1)
                    ch = s.at(0);
                decoder.resetState();
            }
            toUnicode[b] = ch;
            fromUnicode.insert(ch.unicode(), byte);
        }
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

} // namespace

namespace Cp1252 {

QString decode(QByteArrayView bytes)
{
    const Tables &t = tables();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *to = out.data();
    for (const char b : bytes)
        *to++ = t.toUnicode[static_cast<unsigned char>(b)];
    return out;
}

bool canEncode(QChar ch)
{
    // Bytes the code page leaves undefined may decode as the replacement character.
    return ch != QChar::ReplacementCharacter && tables().fromUnicode.contains(ch.unicode());
}

QByteArray encode(QStringView text)
{
    const Tables &t = tables();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        // A pair of surrogates is one character with no cp1252 form.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.append(t.fromUnicode.value(ch.unicode(), '?'));
    }
    return out;
}

} // namespace Cp1252
