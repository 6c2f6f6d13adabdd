#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// How a stored text field and the box that shows it meet. On disk a field is padded with
// blanks to its width and keeps its line breaks as carriage return + line feed; a box shows it
// without that padding, so text typed at its end lands inside the field, and with line feeds.

// The field as a box or list entry shows it: up to its first never-written (zero) byte, without
// its trailing blanks, line breaks as "\n".
QString shownText(QStringView field);

// A box's text as its field keeps it: line breaks as carriage return + line feed.
QString storedText(QStringView text);

// The bytes a box's text takes in its field: one a character, two a line break.
qsizetype storedLength(QStringView text);

// What a field can take of text inserted into a box: the characters it has no form for are
// refused, and of the rest as much as fits in `room` bytes, a line break never cut in half.
struct FieldFit
{
    QString taken;
    QString refused;            // the characters without a form, each once
    QList<qsizetype> refusedAt; // where they stand in the inserted text, last first
    qsizetype cutAt = -1;       // from here on nothing was taken; -1 when all fits
    bool takesAll() const { return refused.isEmpty() && cutAt < 0; }
};
FieldFit fitToField(QStringView inserted, qsizetype room);
