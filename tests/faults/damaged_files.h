#pragma once
// What a crash, a teacher's editor or a wrong copy can leave of a file of the working folder.

#include "tests/support/app_fixture.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tamurik::testing {

// Utf16: saved by an editor as "Unicode" (UTF-16 with its byte-order mark); read like the
// original, never shown as letters with zero bytes between them.
enum class Fault { Deleted, Emptied, Binary, OneHugeLine, ByteOrderMark, LfLineEnds, Utf16 };

inline constexpr Fault kAllFaults[] = {Fault::Deleted,     Fault::Emptied,       Fault::Binary,
                                       Fault::OneHugeLine, Fault::ByteOrderMark, Fault::LfLineEnds,
                                       Fault::Utf16};

inline const char* FaultName(Fault fault) {
    const char* const names[] = {"Deleted",       "Emptied",    "Binary", "OneHugeLine",
                                 "ByteOrderMark", "LfLineEnds", "Utf16"};
    return names[static_cast<int>(fault)];
}

// The file still says what it said: only its line ends or its encoding changed.
inline bool StillReadable(Fault fault) {
    return fault == Fault::ByteOrderMark || fault == Fault::LfLineEnds || fault == Fault::Utf16;
}

// Rubbish: every byte value, line ends among them, and lines that look like marked verbs or
// best-list records but hold control characters.
inline std::string BinaryRubbish() {
    std::string bytes = "1\x01\x02-3\x7f\r\n1\x81\x8d.3\x9d\r\n= \x05\r\n>\x01  3\x02\r\n";
    std::uint32_t x = 20261206u;
    for (int i = 0; i < 8192; ++i) {
        x = x * 1103515245u + 12345u;
        bytes.push_back(static_cast<char>(x >> 24));
    }
    bytes.push_back('\0');
    return bytes;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void Damage(const std::filesystem::path& folder, const std::string& name, Fault fault) {
    const std::string good = ReadBytes(folder / name);
    switch (fault) {
    case Fault::Deleted:
        std::filesystem::remove(folder / name);
        break;
    case Fault::Emptied:
        WriteFile(folder, name, "");
        break;
    case Fault::Binary:
        WriteFile(folder, name, BinaryRubbish());
        break;
    case Fault::OneHugeLine:
        WriteFile(folder, name, std::string(1u << 20, 'x'));
        break;
    case Fault::ByteOrderMark:
        WriteFile(folder, name, "\xEF\xBB\xBF" + good);
        break;
    case Fault::LfLineEnds: {
        std::string lf;
        for (char c : good)
            if (c != '\r')
                lf.push_back(c);
        WriteFile(folder, name, lf);
        break;
    }
    case Fault::Utf16: {
        std::string utf16 = "\xFF\xFE";
        for (char32_t c : FromUtf8(good)) {
            utf16.push_back(static_cast<char>(c & 0xFF));
            utf16.push_back(static_cast<char>((c >> 8) & 0xFF));
        }
        WriteFile(folder, name, utf16);
        break;
    }
    }
}

} // namespace tamurik::testing
