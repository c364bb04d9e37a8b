#pragma once
// The file edge: bytes on disk to text and back.

#include "text.h"

#include <string>
#include <string_view>
#include <vector>

namespace tamurik {

enum class FileEncoding { Windows1252, Utf8, Utf8WithMark, Utf16LittleEndian, Utf16BigEndian };

// How a text file is read:
// - UTF-8 after a UTF-8 byte-order mark;
// - UTF-16 after a UTF-16 byte-order mark (either byte order) when at least half of the
//   characters after it lie below U+0100; otherwise the mark is "ÿþ" or "þÿ" of a
//   Windows-1252 text;
// - UTF-8 when the bytes are valid UTF-8 and hold non-ASCII bytes;
// - Windows-1252 otherwise.
FileEncoding DetectEncoding(std::string_view bytes);

// Bytes of a text file to text in the encoding DetectEncoding finds, without the byte-order
// mark; after a mark, bytes that do not fit the encoding become U+FFFD.
Text DecodeFileText(std::string_view bytes);

// Windows-1252 bytes; a character that Windows-1252 cannot hold becomes '?'.
std::string EncodeWindows1252(TextView text);

// Whether a character can be written in the encoding as itself (Windows-1252 holds 256).
bool CanEncode(char32_t c, FileEncoding encoding);
// Text in the encoding, without a byte-order mark; in Windows-1252 a character it cannot
// hold becomes '?' (check CanEncode first).
std::string EncodeText(TextView text, FileEncoding encoding);
// The byte-order mark a file of this encoding starts with; empty for Windows-1252 and UTF-8
// without a mark.
std::string_view ByteOrderMark(FileEncoding encoding);
// Bytes without a byte-order mark to text in the given encoding (invalid bytes U+FFFD).
Text DecodeText(std::string_view bytes, FileEncoding encoding);
// UTF-16 bytes (without a mark) to text; a lone surrogate or an odd last byte is U+FFFD.
Text DecodeUtf16(std::string_view bytes, bool littleEndian);

// Lines of a text: CR LF, LF or a lone CR end a line; a last line without an end counts,
// an empty text has no lines.
std::vector<Text> SplitLines(TextView text);

} // namespace tamurik
