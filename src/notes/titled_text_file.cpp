#include "titled_text_file.h"

namespace {

constexpr int RecNoOffset = 0;
constexpr int TitleOffset = 2;
constexpr int BodyOffset = TitleOffset + TitledTextFile::TitleWidth;

} // namespace

TitledTextFile::TitledTextFile(const QString &fileName, int bodyWidth,
                               const QList<TitledText> &initial)
    : m_file(fileName, BodyOffset + bodyWidth), m_bodyWidth(bodyWidth), m_initial(initial)
{}

TitledText TitledTextFile::read(int n) const
{
    const Record record = m_file.read(n);
    return {record.shownText(TitleOffset, TitleWidth), record.shownText(BodyOffset, m_bodyWidth)};
}

QList<QString> TitledTextFile::titles() const
{
    const int n = count();
    QList<QString> titles;
    titles.reserve(n);
    const QList<Record> records = m_file.readAll();
    for (int i = 0; i < n; ++i)
        titles.append(records.at(i).shownText(TitleOffset, TitleWidth));
    return titles;
}

Record TitledTextFile::toRecord(int n, const TitledText &text) const
{
    Record record(recordLength());
    record.setInt16(RecNoOffset, qint16(n));
    record.setShownText(TitleOffset, TitleWidth, text.title);
    record.setShownText(BodyOffset, m_bodyWidth, text.body);
    return record;
}

void TitledTextFile::write(int n, const TitledText &text) const
{
    m_file.write(n, toRecord(n, text));
}

void TitledTextFile::createFrom(const QString &path) const
{
    const RecordFile source(path, recordLength(), RecordFile::Lookup::ExactPath);
    QList<Record> records = source.readAll();
    records.resize(source.count()); // a cut last record is not a topic
    m_file.create(records);
}

void TitledTextFile::create(const QList<TitledText> &texts) const
{
    QList<Record> records;
    records.reserve(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        records.append(toRecord(int(i + 1), texts.at(i)));
    m_file.create(records);
}
