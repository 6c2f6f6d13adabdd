#pragma once

#include <QByteArray>
#include <QString>

// The Windows ANSI code page that every text field of the data files uses.
namespace Cp1252 {

QString decode(QByteArrayView bytes);

// Whether the character has a cp1252 form (a surrogate never has).
bool canEncode(QChar ch);

// A character with no cp1252 form becomes "?", one byte per character.
QByteArray encode(QStringView text);

} // namespace Cp1252
