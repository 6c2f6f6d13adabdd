#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// Types at the end of what a box shows, as a user does: a click after the text, then the keys.
void typeAtEnd(QWidget *box, const QString &text);

// A file's bytes once the field at offset holds its value, padding aside, with `typed` after it,
// padded again: every other byte as it was.
QByteArray withTypedAtEnd(QByteArray file, int offset, int width, const QByteArray &typed);
