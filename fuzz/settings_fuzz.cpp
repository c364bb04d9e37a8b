// The settings reader: any file gives either the fallback or settings that write out and read
// back unchanged.

#include "core/encoding.h"
#include "core/settings_file.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tamurik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto settings = ParseSettings(SplitLines(DecodeFileText(bytes)));
    if (!settings)
        return 0;
    const std::vector<Text> written = FormatSettings(*settings);
    // Through the file encoding as the program writes it.
    const auto again = ParseSettings(SplitLines(DecodeFileText(EncodeWindows1252([&] {
        Text all;
        for (const Text& line : written)
            all += line + U"\r\n";
        return all;
    }()))));
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(FormatSettings(*again) == written);
    return 0;
}
