#pragma once

class IcalStream;

// tree.dat as to-dos: each category and sub-category the to-do outline shows, its label the
// summary, its note the description, and a sub-category RELATED-TO its parent. The root is the
// outline itself and no to-do. Returns the number of to-dos written.
int writeTodoItems(IcalStream &out);
