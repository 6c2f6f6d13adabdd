#include "titled_text_file.h"

namespace {

constexpr int RecNoOffset = 0;
constexpr int TitleOffset = 2;
constexpr int BodyOffset = TitleOffset + TitledTextFile::TitleWidth;

} // namespace

QString shownText(const QString &field)
{
    qsizetype end = field.size();
    while (end > 0 && field.at(end - 1) == u' ')
        --end;
    QString text = field.left(end);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString storedText(const QString &text)
{
    QString stored = text;
    stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    stored.replace(u'\n', QStringLiteral("\r\n"));
    return stored;
}

TitledTextFile::TitledTextFile(const QString &fileName, int bodyWidth,
                               const QList<TitledText> &initial)
    : m_file(fileName, BodyOffset + bodyWidth), m_bodyWidth(bodyWidth), m_initial(initial)
{}

TitledText TitledTextFile::read(int n) const
{
    const Record record = m_file.read(n);
    return {shownText(record.displayText(TitleOffset, TitleWidth)),
            shownText(record.displayText(BodyOffset, m_bodyWidth))};
}

QList<QString> TitledTextFile::titles() const
{
    const int n = count();
    QList<QString> titles;
    titles.reserve(n);
    const QList<Record> records = m_file.readAll();
    for (int i = 0; i < n; ++i)
        titles.append(shownText(records.at(i).displayText(TitleOffset, TitleWidth)));
    return titles;
}

Record TitledTextFile::toRecord(int n, const TitledText &text) const
{
    Record record(recordLength());
    record.setInt16(RecNoOffset, qint16(n));
    record.setText(TitleOffset, TitleWidth, storedText(text.title));
    record.setText(BodyOffset, m_bodyWidth, storedText(text.body));
    return record;
}

void TitledTextFile::write(int n, const TitledText &text) const
{
    m_file.write(n, toRecord(n, text));
}

void TitledTextFile::create(const QList<TitledText> &texts) const
{
    QList<Record> records;
    records.reserve(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        records.append(toRecord(int(i + 1), texts.at(i)));
    m_file.create(records);
}
