#pragma once
// What the syllable exercises tell a child who wants to hear a verb's syllables too early.

#include "core/text.h"

namespace tamurik {

// The tooltip of the syllable icon where the child is to find the syllable boundary.
inline const Text kSyllablesTellTheSplit = U"Die Silben würden die Trennstelle verraten.";

} // namespace tamurik
