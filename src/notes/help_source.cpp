#include "help_source.h"

#include "help_store.h"

#include "platform/cp1252.h"
#include "platform/stored_text.h"

#include <QStringList>

namespace {

const QString TitleMark = QStringLiteral("== ");

// The body lines of a topic without its leading and trailing blank lines.
QString bodyOf(QStringList lines)
{
    while (!lines.isEmpty() && lines.constFirst().trimmed().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty())
        lines.removeLast();
    return lines.join(u'\n');
}

bool fits(const QString &text, int width, QString &why)
{
    if (Cp1252::decode(Cp1252::encode(text)) != text) {
        why = QStringLiteral("has a character outside the Windows ANSI code page");
        return false;
    }
    const qsizetype bytes = storedLength(text);
    if (bytes > width) {
        why = QStringLiteral("is %1 characters long, more than %2").arg(bytes).arg(width);
        return false;
    }
    return true;
}

} // namespace

namespace HelpSource {

bool parse(const QString &text, QList<TitledText> &topics, QString &error)
{
    topics.clear();
    QStringList body;
    int titleLine = 0;
    auto finish = [&]() -> bool {
        if (topics.isEmpty())
            return true;
        TitledText &topic = topics.last();
        topic.body = bodyOf(body);
        body.clear();
        QString why;
        if (!fits(topic.title, TitledTextFile::TitleWidth, why) ||
            !fits(topic.body, HelpStore::BodyWidth, why)) {
            error = QStringLiteral("line %1: topic \"%2\" %3").arg(titleLine).arg(topic.title, why);
            return false;
        }
        return true;
    };

    const QStringList lines = QString(text).remove(u'\r').split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.startsWith(TitleMark)) {
            if (!finish())
                return false;
            topics.append({line.mid(TitleMark.size()).trimmed(), QString()});
            titleLine = int(i + 1);
        } else if (!topics.isEmpty()) {
            body.append(line);
        } else if (!line.trimmed().isEmpty() && !line.startsWith(u'#')) {
            error = QStringLiteral("line %1: text before the first topic").arg(i + 1);
            return false;
        }
    }
    if (!finish())
        return false;
    if (topics.isEmpty()) {
        error = QStringLiteral("no topics");
        return false;
    }
    return true;
}

} // namespace HelpSource
