#pragma once

#include <QByteArray>
#include <QString>

// The Windows ANSI code page that every text field of the data files uses.
namespace Cp1252 {

QString decode(QByteArrayView bytes);

// A character with no cp1252 form becomes "?", one byte per character.
QByteArray encode(QStringView text);

} // namespace Cp1252
