#pragma once

#include <QString>

// Multi-line fields keep their line breaks as carriage return and line feed; the boxes that
// show them work with line feeds alone.
namespace LineBreaks {

inline QString fromStored(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

inline QString toStored(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

} // namespace LineBreaks
