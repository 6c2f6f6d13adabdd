#include "file_notices.h"

namespace {

QStringList &pending()
{
    static QStringList notes;
    return notes;
}

} // namespace

namespace FileNotices {

void add(const QString &text)
{
    if (!pending().contains(text))
        pending().append(text);
}

QStringList take()
{
    return std::exchange(pending(), QStringList());
}

} // namespace FileNotices
