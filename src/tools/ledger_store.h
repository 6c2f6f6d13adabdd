#pragma once

#include <QString>

#include <array>

// An expense ledger of fifty rows as its .edf file keeps it: one 3929-byte record holding the
// items, categories, amounts and dates, each array with one more slot that is never used.
struct Ledger
{
    static constexpr int Rows = 50;
    static constexpr int Length = 3929;
    static constexpr int DateWidth = 12;
    static constexpr int ItemWidth = 35;
    static constexpr int CategoryWidth = 15;
    static constexpr int AmountWidth = 15;

    std::array<QString, Rows> Dates;
    std::array<QString, Rows> Items;
    std::array<QString, Rows> Categories;
    std::array<QString, Rows> Amounts;

    // Row i as the printout lines it up under its heading: each value as its field keeps it.
    QString printedRow(int i) const;
};

// A ledger's path is the one the user chose, taken exactly as spelt: Budget.edf is never
// budget.edf.
namespace LedgerFile {

// Values come and go as the grid's boxes show them (stored_text.h).
Ledger read(const QString &path);
// Writes record 1 only: a longer file keeps its bytes after it.
void write(const QString &path, const Ledger &ledger);

} // namespace LedgerFile

// The numeric value of an amount as typed: the number at its start, blanks ignored; text that
// does not start with a number counts 0 ("12.50" is 12.5, "$5" is 0).
double amountValue(const QString &text);
// A total in general number format: "12.5", "0", no thousands separator.
QString generalNumber(double value);
