#pragma once

#include "titled_text_file.h"

#include <QList>
#include <QString>

// The readable source of the help topics the program ships. A line "== Title" starts a topic;
// the lines after it, up to the next title, are its body, without the blank lines around it.
// Lines starting with "#" before the first topic are comments.
namespace HelpSource {

// The topics in order; false with a reason (and the line) when the text is not a valid source:
// no topics, text before the first title, a title or body too long for its field, a
// character the data files cannot keep.
bool parse(const QString &text, QList<TitledText> &topics, QString &error);

} // namespace HelpSource
