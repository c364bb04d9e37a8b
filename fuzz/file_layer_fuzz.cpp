// The file layer's reading: any bytes decode to lines without line-end characters, and text
// written as Windows-1252 reads back the same when every character fits that code page.

#include "core/encoding.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tamurik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Text text = DecodeFileText(bytes);
    for (const Text& line : SplitLines(text)) {
        FUZZ_CHECK(line.find(U'\r') == Text::npos);
        FUZZ_CHECK(line.find(U'\n') == Text::npos);
    }
    // Written out and read again: the same characters, each one Windows-1252 cannot hold as
    // "?". Only plain ASCII output is certain to be read back as Windows-1252 (other bytes may
    // happen to form UTF-8), so the round trip is checked on that.
    const std::string written = EncodeWindows1252(text);
    FUZZ_CHECK(written.size() == text.size());
    bool ascii = true;
    for (unsigned char c : written)
        ascii = ascii && c < 0x80;
    if (ascii) {
        const Text back = DecodeFileText(written);
        FUZZ_CHECK(back.size() == text.size());
    }
    return 0;
}
