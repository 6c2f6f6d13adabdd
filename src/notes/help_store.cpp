#include "help_store.h"

HelpStore::HelpStore() : TitledTextFile(QStringLiteral("VLhelp.hlp"), BodyWidth) {}

void HelpStore::createFile() const
{
    // The titles are written as eleven blanks, which the padding makes a blank field.
    create(QList<TitledText>(BlankTopics, TitledText{QString(11, u' '), QString()}));
}
