// personal.dat: the entries of the personal phone book, one by one and in one pass.
#include "calendar/personal_file.h"

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Fuzz::WorkingFolder here;
    Fuzz::putFile(QStringLiteral("personal.dat"), data, size);
    const PersonalFile file;
    // Every record, a partial last one padded.
    const int partial = (size % PersonRecord::Length) != 0 ? 1 : 0;
    Fuzz::checkOnePass(file, file.readAll(), file.count() + partial,
                       [](const PersonRecord &one, const PersonRecord &pass) {
                           return one.fields == pass.fields;
                       });
    return 0;
}
