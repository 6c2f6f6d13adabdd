#include "list_store.h"

ListStore::ListStore() : TitledTextFile(QStringLiteral("lists.dat"), BodyWidth, {TitledText()}) {}
