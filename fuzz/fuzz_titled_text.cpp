// lists.dat and VLhelp.hlp: the titled texts of the lists and the notepad.
#include "notes/help_store.h"
#include "notes/list_store.h"

#include "fuzz_support.h"

namespace {

void readAll(const TitledTextFile &file, size_t size)
{
    const QList<QString> titles = file.titles();
    Fuzz::check(titles.size() == file.count(), "a title for every record");
    const TitledText beyond = file.read(Fuzz::firstRecordBeyond(size, file.recordLength()));
    Fuzz::check(beyond.title.isEmpty() && beyond.body.isEmpty(), "past the end empty");
    for (int n = 1; n <= titles.size(); ++n) {
        const TitledText text = file.read(n);
        Fuzz::check(text.title == titles.at(n - 1), "the titles read as the records");
        // As a box shows it: up to the first never-written byte, without the padding.
        for (const QString &shown : {text.title, text.body})
            Fuzz::check(!shown.contains(QChar(0)) && !shown.endsWith(u' '), "shown unpadded");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Fuzz::WorkingFolder here;
    const ListStore lists;
    const HelpStore help;
    Fuzz::putFile(lists.fileName(), data, size);
    Fuzz::putFile(help.fileName(), data, size);
    readAll(lists, size);
    readAll(help, size);
    return 0;
}
