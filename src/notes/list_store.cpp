#include "list_store.h"

ListStore::ListStore() : TitledTextFile(QStringLiteral("lists.dat"), BodyWidth) {}

void ListStore::createFile() const
{
    create({TitledText()});
}
