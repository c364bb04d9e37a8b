// The manual reader on any file: it reads or refuses, within its limits, and never crashes.

#include "fuzz/fuzz_check.h"
#include "info/rtf_reader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    QTextDocument document;
    const bool read = tamurik::ReadRtf(bytes, document);
    if (!read)
        FUZZ_CHECK(document.isEmpty());
    FUZZ_CHECK(static_cast<std::size_t>(document.characterCount()) <=
               tamurik::kRtfMaxCharacters + tamurik::kRtfMaxEdits + 1);
    // Every character and paragraph end of the document comes from at least one byte.
    FUZZ_CHECK(static_cast<std::size_t>(document.characterCount()) <= size + 1);
    return 0;
}
