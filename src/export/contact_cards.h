#pragma once

class VCardWriter;

// The phone books as vCards, one a person or company that has anything in it, in record order.
// personal.dat: from record 2 on (record 1 is the placeholder its window rewrites on every
// load). biz.dat: every record, the first included, which its window lists like any other.
// Each returns the number of cards written.
int writePersonalCards(VCardWriter &out);
int writeBusinessCards(VCardWriter &out);
