#pragma once
// The key under which a child is found again in the record.

#include "core/text.h"

#include <QString>

namespace tamurik {

// The longest key, in characters: two names that agree this far are one child. It keeps the
// key within what any database can index.
inline constexpr qsizetype kMaxNameKeyLength = 256;

// The name with blanks around it dropped and blanks inside it counted as one, in one Unicode
// normal form and with case folded: "Lena", " lena ", "LENA" are one child, and so are "Jürgen"
// typed with a ready-made ü and with u and a combining diaeresis. Empty for a name of blanks
// only, which is no name.
//
// The key is made here, at the record's edge, with Qt's normalization and case folding: the
// Unicode tables both need are Qt's, kept up to date with Qt; copying them into the rules
// without Qt would be a second set to keep.
QString ChildNameKey(const Text& name);

} // namespace tamurik
