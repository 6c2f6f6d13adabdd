#pragma once

#include "titled_text_file.h"

// VLhelp.hlp: the notepad's topics, a 40-character title and a 5000-character body each. A new
// file holds ten topics with blank titles and bodies.
class HelpStore : public TitledTextFile
{
public:
    static constexpr int BodyWidth = 5000;
    static constexpr int Length = 5042;
    static constexpr int BlankTopics = 10;

    HelpStore();
};
