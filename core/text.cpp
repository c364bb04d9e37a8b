#include "text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace tamurik {

Text StrForm(long long value) {
    Text digits = Decimal(value);
    if (value >= 0) {
        digits.insert(digits.begin(), U' ');
    }
    return digits;
}

Text Decimal(long long value) {
    const std::string ascii = std::to_string(value);
    return Text(ascii.begin(), ascii.end());
}

double NumericValue(TextView text) {
    // Blanks may stand anywhere, even between the digits (" 1 2" is 12), so the number is
    // collected character by character and only then converted.
    std::string number;
    bool digitSeen = false;
    bool pointSeen = false;
    bool signAllowed = true;
    for (const char32_t c : text) {
        if (c == U' ' || c == U'\t') {
            continue;
        }
        if ((c == U'+' || c == U'-') && signAllowed) {
            if (c == U'-') {
                number.push_back('-');
            }
            signAllowed = false;
            continue;
        }
        signAllowed = false;
        if (c >= U'0' && c <= U'9') {
            number.push_back(static_cast<char>(c));
            digitSeen = true;
        } else if (c == U'.' && !pointSeen) {
            number.push_back('.');
            pointSeen = true;
        } else {
            break;
        }
    }
    if (!digitSeen) {
        return 0.0;
    }
    if (number.back() == '.') {
        number.pop_back();
    }
    // from_chars reads the decimal point whatever the locale says.
    double value = 0.0;
    const char* first = number.data();
    const char* last = number.data() + number.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        const bool negative = number.front() == '-';
        // A number of hundreds of digits: as large as a double gets, so that a range check of
        // the caller rejects it instead of a conversion overflowing.
        return negative ? std::numeric_limits<double>::lowest()
                        : std::numeric_limits<double>::max();
    }
    if (ec != std::errc() || ptr != last) {
        return 0.0;
    }
    return value;
}

namespace {

// The Latin-1 letters from U+00C0 to U+00DE are the capitals of U+00E0 to U+00FE (the
// multiplication and division signs excepted); that covers Ä, Ö and Ü.
bool IsLatinCapital(char32_t c) {
    return (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

bool IsLatinSmall(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
}

// The character a text is compared by when case and umlauts do not count. std::collate would
// depend on which locales the machine has installed; best lists must sort the same everywhere.
char32_t CollationKey(char32_t c) {
    c = ToLower(c);
    switch (c) {
    case U'ä':
        return U'a';
    case U'ö':
        return U'o';
    case U'ü':
        return U'u';
    case U'ß':
        return U's';
    default:
        return c;
    }
}

} // namespace

char32_t ToLower(char32_t c) {
    return IsLatinCapital(c) ? c + 0x20 : c;
}

char32_t ToUpper(char32_t c) {
    return IsLatinSmall(c) ? c - 0x20 : c;
}

Text ToLower(TextView text) {
    Text result(text);
    for (char32_t& c : result) {
        c = ToLower(c);
    }
    return result;
}

Text ToUpper(TextView text) {
    Text result(text);
    for (char32_t& c : result) {
        c = ToUpper(c);
    }
    return result;
}

bool TextLess(TextView a, TextView b) {
    const auto keyLess = [](char32_t x, char32_t y) { return CollationKey(x) < CollationKey(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), keyLess)) {
        return true;
    }
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), keyLess)) {
        return false;
    }
    return a < b;
}

bool Contains(TextView text, TextView part) {
    return text.find(part) != TextView::npos;
}

bool Contains(TextView text, char32_t c) {
    return text.find(c) != TextView::npos;
}

bool StartsWith(TextView text, TextView prefix) {
    return text.starts_with(prefix);
}

Text Spaced(TextView text, TextView drop) {
    Text spaced;
    spaced.reserve(text.size() * 2);
    for (char32_t c : text) {
        if (drop.find(c) != TextView::npos)
            continue;
        spaced += c;
        spaced += U' ';
    }
    return spaced;
}

Text RemoveChars(TextView text, TextView chars) {
    Text result;
    result.reserve(text.size());
    for (const char32_t c : text) {
        if (chars.find(c) == TextView::npos) {
            result.push_back(c);
        }
    }
    return result;
}

bool IsControlChar(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

Text TrimBlanks(TextView text) {
    const auto first = text.find_first_not_of(U' ');
    if (first == TextView::npos) {
        return Text();
    }
    const auto last = text.find_last_not_of(U' ');
    return Text(text.substr(first, last - first + 1));
}

// The standard library's UTF-8 converters (std::codecvt_utf8, wstring_convert) are
// deprecated and know nothing of char32_t strings with replacement characters, so the few
// lines of decoding are written here; DecodeFileText uses the same walk to tell UTF-8 files
// from Windows-1252 ones.
namespace {

// Length of the valid UTF-8 sequence at bytes[i] and its character; 0 when it is not valid
// (overlong forms, surrogates and values above U+10FFFF included).
std::size_t Utf8Sequence(std::string_view bytes, std::size_t i, char32_t& out) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        out = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = byte(i + k);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    out = value;
    return length;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        const std::size_t length = Utf8Sequence(bytes, i, c);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

Text FromUtf8(std::string_view utf8) {
    Text result;
    result.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t length = Utf8Sequence(utf8, i, c);
        if (length == 0) {
            result.push_back(kReplacementChar);
            ++i;
        } else {
            result.push_back(c);
            i += length;
        }
    }
    return result;
}

std::string ToUtf8(TextView text) {
    std::string result;
    result.reserve(text.size());
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            c = kReplacementChar;
        }
        if (c < 0x80) {
            result.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            result.push_back(static_cast<char>(0xC0 | (c >> 6)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            result.push_back(static_cast<char>(0xE0 | (c >> 12)));
            result.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            result.push_back(static_cast<char>(0xF0 | (c >> 18)));
            result.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return result;
}

} // namespace tamurik
