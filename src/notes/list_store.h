#pragma once

#include "titled_text_file.h"

// lists.dat: one named list a record, a 40-character name and a 2000-character body. A new
// file holds record 1 with an empty name and body.
class ListStore : public TitledTextFile
{
public:
    static constexpr int BodyWidth = 2000;
    static constexpr int Length = 2042;

    ListStore();
};
