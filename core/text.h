#pragma once
// Text as the program works with it: one element is one character, so every position,
// length and column width of a rule holds literally.

#include <string>
#include <string_view>
#include <vector>

namespace tamurik {

using Text = std::u32string;
using TextView = std::u32string_view;

constexpr char32_t CR = U'\r';

// Decimal form of a number with one leading blank when it is not negative (" 5", "-5").
Text StrForm(long long value);
// Decimal form without the sign blank ("5", "-5").
Text Decimal(long long value);

// The numeric value of a text: its leading decimal number (sign, digits, one decimal point),
// blanks anywhere ignored; 0 when the text does not begin with a number.
// "120 abc" is 120, "Tamurik" is 0, " 1 2" is 12.
double NumericValue(TextView text);

// Upper and lower case for ASCII and the German letters (ä ö ü; ß has no single capital
// and stays as it is).
char32_t ToLower(char32_t c);
char32_t ToUpper(char32_t c);
Text ToLower(TextView text);
Text ToUpper(TextView text);

// Text order with case ignored and ä, ö, ü, ß sorting as a, o, u, s; ties are broken by the
// plain character order so that the order is total and stable between runs.
bool TextLess(TextView a, TextView b);

bool Contains(TextView text, TextView part);
bool Contains(TextView text, char32_t c);
bool StartsWith(TextView text, TextView prefix);
// Every character of `chars` removed from `text`.
Text RemoveChars(TextView text, TextView chars);
// Each character followed by one blank ("l ä u f s t "), the characters of `drop` left out:
// how words are written letter by letter on the screens.
Text Spaced(TextView text, TextView drop = {});
// Blanks (only ' ') removed from both ends.
Text TrimBlanks(TextView text);
// A control character (C0, DEL or C1): never part of a word, a name or a record; in a file it
// comes only from damage or binary content.
bool IsControlChar(char32_t c);

// What a byte stands for that cannot be read in its file's encoding.
inline constexpr char32_t kReplacementChar = 0xFFFD;

// UTF-8 conversion for the toolkit boundary and for tests; invalid bytes become U+FFFD.
Text FromUtf8(std::string_view utf8);
std::string ToUtf8(TextView text);
// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

} // namespace tamurik
