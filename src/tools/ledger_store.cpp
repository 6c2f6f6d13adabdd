#include "ledger_store.h"

#include "platform/record_file.h"

#include <cmath>

namespace {

// The file keeps 51 slots an array, in the order item, category, amount, date.
constexpr int FileSlots = Ledger::Rows + 1;
constexpr int ItemsAt = 2;
constexpr int CategoriesAt = ItemsAt + FileSlots * Ledger::ItemWidth;
constexpr int AmountsAt = CategoriesAt + FileSlots * Ledger::CategoryWidth;
constexpr int DatesAt = AmountsAt + FileSlots * Ledger::AmountWidth;
static_assert(DatesAt + FileSlots * Ledger::DateWidth == Ledger::Length);

struct Column
{
    std::array<QString, Ledger::Rows> Ledger::*values;
    int at;
    int width;
};

constexpr Column Columns[] = {{&Ledger::Items, ItemsAt, Ledger::ItemWidth},
                              {&Ledger::Categories, CategoriesAt, Ledger::CategoryWidth},
                              {&Ledger::Amounts, AmountsAt, Ledger::AmountWidth},
                              {&Ledger::Dates, DatesAt, Ledger::DateWidth}};

// The letter-case lookup of the program's own data files would take another file of the
// folder for the one the user named.
RecordFile ledgerFile(const QString &path)
{
    return RecordFile(path, Ledger::Length, RecordFile::Lookup::ExactPath,
                      RecordFile::Shape::OneRecord);
}

} // namespace

QString Ledger::printedRow(int i) const
{
    const auto field = [](const QString &value, int width) {
        return value.leftJustified(width, u' ', true);
    };
    return field(Dates[i], DateWidth) + field(Items[i], ItemWidth) +
           field(Categories[i], CategoryWidth) + field(Amounts[i], AmountWidth);
}

namespace LedgerFile {

Ledger read(const QString &path)
{
    const Record r = ledgerFile(path).read(1);
    Ledger ledger;
    for (const Column &column : Columns) {
        for (int i = 0; i < Ledger::Rows; ++i)
            (ledger.*column.values)[i] = r.shownText(column.at + i * column.width, column.width);
    }
    return ledger;
}

void write(const QString &path, const Ledger &ledger)
{
    Record r(Ledger::Length);
    r.setInt16(0, 1);
    for (const Column &column : Columns) {
        for (int i = 0; i < Ledger::Rows; ++i)
            r.setShownText(column.at + i * column.width, column.width, (ledger.*column.values)[i]);
    }
    ledgerFile(path).write(1, r);
}

} // namespace LedgerFile

double amountValue(const QString &text)
{
    // Blanks, tabs and line feeds are skipped wherever they stand.
    QString compact;
    for (const QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            compact.append(c);
    }
    qsizetype at = 0;
    auto digits = [&] {
        const qsizetype from = at;
        while (at < compact.size() && compact.at(at).isDigit() && compact.at(at).unicode() < 128)
            ++at;
        return at - from;
    };
    if (at < compact.size() && (compact.at(at) == u'+' || compact.at(at) == u'-'))
        ++at;
    qsizetype mantissa = digits();
    if (at < compact.size() && compact.at(at) == u'.') {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0;
    qsizetype end = at;
    if (at < compact.size() &&
        (compact.at(at).toUpper() == u'E' || compact.at(at).toUpper() == u'D')) {
        ++at;
        if (at < compact.size() && (compact.at(at) == u'+' || compact.at(at) == u'-'))
            ++at;
        if (digits() > 0)
            end = at;
    }
    QString number = compact.left(end);
    number.replace(u'd', u'e').replace(u'D', u'e');
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

QString generalNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15).toUpper();
}
