#pragma once

#include "business_store.h"

#include <QStringList>

// The lines a card prints as: ten labelled lines with the values as the boxes hold them,
// padding kept, a rule, then the notes (their line breaks start new printed lines).
QStringList printedCard(const BizRecord &card);
