#include "stored_text.h"

#include "blanks.h"
#include "cp1252.h"

QString shownText(QStringView field)
{
    const qsizetype nul = field.indexOf(QChar(u'\0'));
    if (nul >= 0)
        field.truncate(nul);
    while (!field.isEmpty() && isBlank(field.back()))
        field.chop(1);
    QString text = field.toString();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString storedText(QStringView text)
{
    QString stored = text.toString();
    stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    stored.replace(u'\n', QStringLiteral("\r\n"));
    return stored;
}

qsizetype storedLength(QStringView text)
{
    return text.size() + text.count(u'\n');
}

FieldFit fitToField(QStringView inserted, qsizetype room)
{
    FieldFit fit;
    for (qsizetype i = 0; i < inserted.size(); ++i) {
        const QChar ch = inserted.at(i);
        // A pair of surrogates is one character, and none has a form in the file.
        const bool pair =
            ch.isHighSurrogate() && i + 1 < inserted.size() && inserted.at(i + 1).isLowSurrogate();
        if (pair || !Cp1252::canEncode(ch)) {
            const QStringView refused = inserted.sliced(i, pair ? 2 : 1);
            if (!fit.refused.contains(refused))
                fit.refused.append(refused);
            fit.refusedAt.prepend(i);
            i += pair ? 1 : 0;
            continue;
        }
        if (fit.cutAt >= 0)
            continue; // looked at only for the characters to refuse
        const qsizetype bytes = ch == u'\n' ? 2 : 1;
        if (bytes > room) {
            fit.cutAt = i;
            continue;
        }
        fit.taken.append(ch);
        room -= bytes;
    }
    return fit;
}
