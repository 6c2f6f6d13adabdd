#pragma once

#include "business_store.h"

#include <QStringList>

// The lines a card prints as: ten labelled lines with the values as their fields keep them,
// padded to the width, a rule, then the notes (their line breaks start new printed lines).
QStringList printedCard(const BizRecord &card);
