// An expense ledger (.edf): its rows, their amounts and the total.
#include "tools/ledger_store.h"

#include "fuzz_support.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Fuzz::WorkingFolder here;
    Fuzz::putFile(QStringLiteral("Ledger.edf"), data, size);
    const Ledger ledger = LedgerFile::read(Fuzz::pathOf(QStringLiteral("Ledger.edf")));
    double total = 0;
    for (int i = 0; i < Ledger::Rows; ++i) {
        const double amount = amountValue(ledger.Amounts.at(i));
        Fuzz::check(!std::isnan(amount), "an amount is a number");
        total += amount;
        ledger.printedRow(i);
    }
    generalNumber(total);
    return 0;
}
