#include "help_store.h"

// The blank titles are written as eleven blanks, which the padding makes a blank field.
HelpStore::HelpStore()
    : TitledTextFile(QStringLiteral("VLhelp.hlp"), BodyWidth,
                     QList<TitledText>(BlankTopics, TitledText{QString(11, u' '), QString()}))
{}
