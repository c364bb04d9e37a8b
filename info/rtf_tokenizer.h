#pragma once
// The first step of reading RTF: the bytes split into braces, control words, control symbols,
// \'xx bytes and runs of text. Plain C++. The tokenizer never reads past the end and every
// call consumes at least one byte, so any input ends in time linear in its size.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tamurik {

struct RtfToken {
    enum class Kind { End, GroupOpen, GroupClose, Word, Symbol, Byte, Text };
    Kind kind = Kind::End;
    std::string_view text; // Word: its letters; Text: the run of bytes
    bool hasParameter = false;
    std::int32_t parameter = 0;
    char symbol = 0;        // Symbol: the character after the backslash
    unsigned char byte = 0; // Byte: the value of \'xx
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(std::string_view bytes) : bytes_(bytes) {}

    // The next token; Kind::End at the end of the bytes.
    RtfToken Next();
    // Binary data after \bin; never past the end.
    void Skip(std::size_t count) { pos_ += std::min(count, bytes_.size() - pos_); }

private:
    void ReadControl(RtfToken& token);
    // A parameter has at most ten digits; a longer one is out of range and saturates, the same
    // as a ten-digit one beyond the 32-bit range.
    void ReadParameter(RtfToken& token);
    // \'xx: two hex digits make a byte; a broken escape is dropped with what it has.
    void ReadHexByte(RtfToken& token);

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

} // namespace tamurik
