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

TitledText TitledTextFile::textOf(const Record &record) const
{
    return {record.shownText(TitleOffset, TitleWidth), record.shownText(BodyOffset, m_bodyWidth)};
}

TitledText TitledTextFile::read(int n) const
{
    return textOf(m_file.read(n));
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

void TitledTextFile::removeByShifting(int n) const
{
    const QList<Record> records = m_file.readAll();
    const int last = m_file.count();
    QList<QPair<int, Record>> moved;
    for (int i = n; i <= last; ++i) {
        // Record i + 1 at place i; past the last one a record of zeros, blank once written.
        const Record next = i < last ? records.at(i) : Record(recordLength());
        moved.append({i, toRecord(i, textOf(next))});
    }
    m_file.write(moved);
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
