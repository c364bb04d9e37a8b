#pragma once
// Reads the manual TAMURIK.RTF into a QTextDocument for the manual viewer.
//
// Qt reads HTML and Markdown but no RTF, and no well-kept Debian library turns RTF into a
// QTextDocument, so this reader of our own knows just the RTF our manual uses: character
// formatting in groups (bold, italic, underline, size, colour), paragraphs with alignment and
// spacing, Windows-1252 and Unicode escapes. Everything else (fonts, pictures, style sheets,
// document info) is skipped.

#include <cstddef>
#include <string_view>

class QTextDocument;

namespace tamurik {

// Bytes beyond this are not read. A manual is a few KiB of text; pictures in it are skipped
// quickly, but a file this large is damaged or not ours.
inline constexpr std::size_t kRtfMaxBytes = 16 * 1024 * 1024;

// Reading stops at this many characters (a thousand pages) or this many runs of text and
// paragraph ends (each an edit of the document), so that even a hostile file is read and laid
// out within about a second.
inline constexpr std::size_t kRtfMaxCharacters = 1000000;
inline constexpr std::size_t kRtfMaxEdits = 100000;

// Groups nested deeper than this are read in the formatting of the deepest kept group.
inline constexpr std::size_t kRtfMaxGroupDepth = 256;

// Clears the document and fills it with the text of the RTF bytes. Returns false, leaving the
// document empty, when the bytes do not start with "{\rtf" (after optional white space).
// Anything else is read as well as it can be (unbalanced braces, a truncated file, unknown
// control words) and returns true. Text is always inserted as plain text, never as markup.
bool ReadRtf(std::string_view bytes, QTextDocument& document);

} // namespace tamurik
