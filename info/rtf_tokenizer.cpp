#include "info/rtf_tokenizer.h"

#include <algorithm>
#include <limits>

namespace tamurik {

namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

RtfToken RtfTokenizer::Next() {
    // Line ends carry no meaning in RTF text.
    while (pos_ < bytes_.size() && (bytes_[pos_] == '\r' || bytes_[pos_] == '\n')) {
        ++pos_;
    }
    RtfToken token;
    if (pos_ >= bytes_.size()) {
        return token;
    }
    const char c = bytes_[pos_];
    if (c == '{') {
        ++pos_;
        token.kind = RtfToken::Kind::GroupOpen;
    } else if (c == '}') {
        ++pos_;
        token.kind = RtfToken::Kind::GroupClose;
    } else if (c == '\\') {
        ++pos_;
        ReadControl(token);
    } else {
        const std::size_t start = pos_;
        while (pos_ < bytes_.size() && bytes_[pos_] != '\\' && bytes_[pos_] != '{' &&
               bytes_[pos_] != '}' && bytes_[pos_] != '\r' && bytes_[pos_] != '\n') {
            ++pos_;
        }
        token.kind = RtfToken::Kind::Text;
        token.text = bytes_.substr(start, pos_ - start);
    }
    return token;
}

void RtfTokenizer::ReadControl(RtfToken& token) {
    if (pos_ >= bytes_.size()) {
        return; // a lone backslash at the end: nothing more
    }
    const char c = bytes_[pos_];
    if (!IsLetter(c)) {
        ++pos_;
        token.kind = RtfToken::Kind::Symbol;
        token.symbol = c;
        if (c == '\'') {
            ReadHexByte(token);
        }
        return;
    }
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && IsLetter(bytes_[pos_])) {
        ++pos_;
    }
    token.kind = RtfToken::Kind::Word;
    token.text = bytes_.substr(start, pos_ - start);
    ReadParameter(token);
    if (pos_ < bytes_.size() && bytes_[pos_] == ' ') {
        ++pos_; // the blank that ends a control word belongs to it
    }
}

void RtfTokenizer::ReadParameter(RtfToken& token) {
    std::size_t p = pos_;
    bool negative = false;
    if (p < bytes_.size() && bytes_[p] == '-') {
        negative = true;
        pos_ = ++p; // a minus sign belongs to the control word, even without digits
    }
    if (p >= bytes_.size() || !IsDigit(bytes_[p])) {
        return;
    }
    std::int64_t value = 0;
    int digits = 0;
    while (p < bytes_.size() && IsDigit(bytes_[p])) {
        if (digits < 10) {
            value = value * 10 + (bytes_[p] - '0');
        }
        ++digits;
        ++p;
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    if (digits > 10 || value > kMax) {
        value = kMax;
    }
    pos_ = p;
    token.hasParameter = true;
    token.parameter = static_cast<std::int32_t>(negative ? -value : value);
}

void RtfTokenizer::ReadHexByte(RtfToken& token) {
    const int high = pos_ < bytes_.size() ? HexValue(bytes_[pos_]) : -1;
    if (high < 0) {
        return;
    }
    ++pos_;
    const int low = pos_ < bytes_.size() ? HexValue(bytes_[pos_]) : -1;
    if (low < 0) {
        return;
    }
    ++pos_;
    token.kind = RtfToken::Kind::Byte;
    token.byte = static_cast<unsigned char>(high * 16 + low);
}

} // namespace tamurik
