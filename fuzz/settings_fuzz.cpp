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
    // Written as the program writes it (a character Windows-1252 cannot hold becomes "?") and
    // read again: a file the program wrote reads back as exactly what it holds.
    Text all;
    for (const Text& line : FormatSettings(*settings))
        all += line + U"\r\n";
    std::vector<Text> stored = SplitLines(DecodeFileText(EncodeWindows1252(all)));
    while (!stored.empty() && stored.back().empty())
        stored.pop_back();
    const auto again = ParseSettings(stored);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(FormatSettings(*again) == stored);
    return 0;
}
