// The order of a sorted list box, for anything that must sort texts as the lists show them.
#pragma once

#include <QString>

#include "catalogue/disc_reader.h"

namespace tk {

// How a sorted list box orders two texts: negative, zero or positive. The default locale's
// collation, ignoring case; in the C locale the root collation, since code-unit order would put
// "árvore" after "zebra". Safe on any thread: each thread keeps a collator of its own.
int compareAsListed(const QString& a, const QString& b);

// The same order over Windows-1252 texts, for the core ("less than").
mp3::TextOrder listTextOrder();

}  // namespace tk
