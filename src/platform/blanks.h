#pragma once

#include <QString>
#include <QStringView>

// Trimming as the data files need it: only blanks, never tabs or line breaks, which belong to
// what the user typed.
template <typename View> View trimBlanks(View text)
{
    while (!text.isEmpty() && text.front() == ' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == ' ')
        text.chop(1);
    return text;
}

inline QString trimBlanks(const QString &text)
{
    return trimBlanks(QStringView(text)).toString();
}
