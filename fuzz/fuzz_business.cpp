// biz.dat: the cards, the names the list shows and the lookup by name.
#include "contacts/business_card.h"
#include "contacts/business_store.h"

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Fuzz::WorkingFolder here;
    Fuzz::putFile(QStringLiteral("biz.dat"), data, size);
    const BizStore store;
    const int count = store.count();
    for (const BizStore::ListBy by : {BizStore::ListBy::Company, BizStore::ListBy::Contact}) {
        const QStringList names = store.names(by);
        Fuzz::check(names.size() == count, "a name for every card");
        for (int i = 0; i < names.size(); ++i) {
            const int found = store.find(by, names.at(i));
            Fuzz::check(found >= 1 && found <= i + 1 && names.at(found - 1) == names.at(i),
                        "the first card of the name is found");
        }
    }
    for (int n = 1; n <= count + 1; ++n)
        printedCard(store.read(n));
    const BizRecord beyond = store.read(Fuzz::firstRecordBeyond(size, BizRecord::Length));
    Fuzz::check(beyond.Company.isEmpty() && beyond.Notes.isEmpty(), "past the end a blank card");
    return 0;
}
