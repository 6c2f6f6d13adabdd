#pragma once

#include <QString>
#include <QStringView>

// Trimming as the data files need it: only blanks, never tabs or line breaks, which belong to
// what the user typed.

inline bool isBlank(QChar c)
{
    return c == u' ';
}

inline bool isBlank(char c)
{
    return c == ' ';
}

template <typename View> View trimBlanks(View text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

inline QString trimBlanks(const QString &text)
{
    return trimBlanks(QStringView(text)).toString();
}
