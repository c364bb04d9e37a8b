#include "encoding.h"

#include <array>

namespace tamurik {

namespace {

// The code page is written out here instead of going through iconv: this library uses the
// standard library only, and iconv's WINDOWS-1252 refuses the five undefined bytes, which an
// old word file may well hold and which must still read as something.
//
// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) stand for the control character of the same number, so that every byte
// reads as something and writes back as itself.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char32_t FromWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

char ToWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

bool HasNonAscii(std::string_view bytes) {
    for (const char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80) {
            return true;
        }
    }
    return false;
}

} // namespace

// UTF-16 after its byte-order mark, as an editor saves a file as "Unicode". Written here for
// the same reason as the code page above; a lone surrogate or an odd last byte is U+FFFD.
Text DecodeUtf16(std::string_view bytes, bool littleEndian) {
    const auto unit = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return littleEndian ? static_cast<char32_t>(second << 8 | first)
                            : static_cast<char32_t>(first << 8 | second);
    };
    const auto isHigh = [](char32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
    const auto isLow = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
    Text text;
    text.reserve(bytes.size() / 2);
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t u = unit(i);
        if (isHigh(u) && i + 3 < bytes.size() && isLow(unit(i + 2))) {
            text.push_back(0x10000 + ((u - 0xD800) << 10) + (unit(i + 2) - 0xDC00));
            i += 2;
        } else {
            text.push_back(isHigh(u) || isLow(u) ? kReplacementChar : u);
        }
    }
    if (i < bytes.size()) {
        text.push_back(kReplacementChar);
    }
    return text;
}

namespace {

// Whether bytes after a UTF-16 mark are UTF-16 text rather than Windows-1252 text that happens
// to start with "ÿþ" or "þÿ": the letters of a word list or best list lie below U+0100, so in
// UTF-16 most units have a zero byte, which Windows-1252 text never holds. (The program writes
// no zero bytes, so a file it wrote is never taken for UTF-16.)
bool LooksLikeUtf16(std::string_view bytes, bool littleEndian) {
    std::size_t units = 0;
    std::size_t latin = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        ++units;
        if (bytes[littleEndian ? i + 1 : i] == '\0') {
            ++latin;
        }
    }
    return 2 * latin >= units;
}

} // namespace

FileEncoding DetectEncoding(std::string_view bytes) {
    // An editor writes a byte-order mark only into a file of that encoding, so a damaged byte
    // after it is damage in that one place; read as Windows-1252, every umlaut would break.
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return FileEncoding::Utf8WithMark;
    }
    if (bytes.starts_with("\xFF\xFE") && LooksLikeUtf16(bytes.substr(2), true)) {
        return FileEncoding::Utf16LittleEndian;
    }
    if (bytes.starts_with("\xFE\xFF") && LooksLikeUtf16(bytes.substr(2), false)) {
        return FileEncoding::Utf16BigEndian;
    }
    if (HasNonAscii(bytes) && IsValidUtf8(bytes)) {
        return FileEncoding::Utf8;
    }
    return FileEncoding::Windows1252;
}

Text DecodeFileText(std::string_view bytes) {
    const FileEncoding encoding = DetectEncoding(bytes);
    return DecodeText(bytes.substr(ByteOrderMark(encoding).size()), encoding);
}

Text DecodeText(std::string_view bytes, FileEncoding encoding) {
    switch (encoding) {
    case FileEncoding::Utf16LittleEndian:
        return DecodeUtf16(bytes, true);
    case FileEncoding::Utf16BigEndian:
        return DecodeUtf16(bytes, false);
    case FileEncoding::Utf8WithMark:
    case FileEncoding::Utf8:
        return FromUtf8(bytes);
    case FileEncoding::Windows1252:
        break;
    }
    Text text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        text.push_back(FromWindows1252(static_cast<unsigned char>(b)));
    }
    return text;
}

std::string EncodeWindows1252(TextView text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text) {
        bytes.push_back(ToWindows1252(c));
    }
    return bytes;
}

bool CanEncode(char32_t c, FileEncoding encoding) {
    if (encoding == FileEncoding::Windows1252) {
        return ToWindows1252(c) != '?' || c == U'?';
    }
    // Surrogates and values past U+10FFFF are no characters in any Unicode encoding.
    return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

std::string EncodeText(TextView text, FileEncoding encoding) {
    switch (encoding) {
    case FileEncoding::Windows1252:
        return EncodeWindows1252(text);
    case FileEncoding::Utf8:
    case FileEncoding::Utf8WithMark:
        return ToUtf8(text);
    case FileEncoding::Utf16LittleEndian:
    case FileEncoding::Utf16BigEndian:
        break;
    }
    const bool little = encoding == FileEncoding::Utf16LittleEndian;
    std::string bytes;
    bytes.reserve(text.size() * 2);
    const auto put = [&](char32_t unit) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes.push_back(little ? low : high);
        bytes.push_back(little ? high : low);
    };
    for (char32_t c : text) {
        if (!CanEncode(c, encoding)) {
            c = kReplacementChar;
        }
        if (c >= 0x10000) {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c);
        }
    }
    return bytes;
}

std::string_view ByteOrderMark(FileEncoding encoding) {
    switch (encoding) {
    case FileEncoding::Utf8WithMark:
        return "\xEF\xBB\xBF";
    case FileEncoding::Utf16LittleEndian:
        return "\xFF\xFE";
    case FileEncoding::Utf16BigEndian:
        return "\xFE\xFF";
    case FileEncoding::Windows1252:
    case FileEncoding::Utf8:
        break;
    }
    return {};
}

std::vector<Text> SplitLines(TextView text) {
    std::vector<Text> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char32_t c = text[i];
        if (c == U'\r' || c == U'\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') {
                ++i;
            }
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

} // namespace tamurik
