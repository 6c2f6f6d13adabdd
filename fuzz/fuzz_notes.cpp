// note.dat: the free notes, one by one and in one pass.
#include "calendar/note_file.h"

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Fuzz::WorkingFolder here;
    Fuzz::putFile(QStringLiteral("note.dat"), data, size);
    const NoteFile file;
    Fuzz::checkOnePass(file, file.readAll(), file.count(),
                       [](const NoteRecord &one, const NoteRecord &pass) {
                           return one.NoteKey == pass.NoteKey && one.NoteText == pass.NoteText;
                       });
    return 0;
}
