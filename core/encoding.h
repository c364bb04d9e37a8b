#pragma once
// The file edge: bytes on disk to text and back.

#include "text.h"

#include <string>
#include <string_view>
#include <vector>

namespace tamurik {

// Bytes of a text file to text: UTF-8 when the bytes are valid UTF-8 and hold non-ASCII
// bytes, or when they start with a byte-order mark (which is dropped; bytes that are not
// UTF-8 after it become U+FFFD), Windows-1252 otherwise.
Text DecodeFileText(std::string_view bytes);

// Windows-1252 bytes; a character that Windows-1252 cannot hold becomes '?'.
std::string EncodeWindows1252(TextView text);

// Lines of a text: CR LF, LF or a lone CR end a line; a last line without an end counts,
// an empty text has no lines.
std::vector<Text> SplitLines(TextView text);

} // namespace tamurik
