// The best-list files as a crash or an editor may leave them: reading, sorting, adding a
// result, keeping the first hundred, and the settings screen's viewer lose no record and keep
// the file readable.

#include "core/best_lists.h"
#include "fuzz/fuzz_check.h"

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

using namespace tamurik;

namespace {

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        auto path = base / ("tamurik-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const WorkDir dir(Folder());
    {
        std::ofstream out(Folder() / kBestVerb, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::vector<Text> sorted = LoadSorted(dir, kBestVerb);
    std::vector<Text> again = sorted;
    SortRecords(again);
    FUZZ_CHECK(again == sorted);
    // One time limit per input: each of them reads the whole file the same way.
    (void)LoadForTime(dir, size > 1 ? data[1] % 5 + 1 : 1);

    // A result is added and the first hundred kept: the new record is in the file.
    const Text record = QuatschRecord(3, 42, U"05.12.2026", U"Fuzz");
    FUZZ_CHECK(AppendResult(dir, kBestVerb, record));
    std::vector<Text> withNew = LoadSorted(dir, kBestVerb);
    FUZZ_CHECK(std::find(withNew.begin(), withNew.end(), record) != withNew.end());
    // The counts below are exact for plain ASCII files. A file of other bytes is written back as
    // Windows-1252 without its damaged lines, and what is left may then read as UTF-8 (say "Â"
    // before "ž" as one control character): a record can turn into a damaged line, never the
    // other way round.
    const bool ascii = std::all_of(data, data + size, [](std::uint8_t b) { return b < 0x80; });
    const auto counts = [ascii](std::size_t actual, std::size_t expected) {
        return ascii ? actual == expected : actual <= expected;
    };
    FUZZ_CHECK(counts(withNew.size(), sorted.size() + 1));
    FUZZ_CHECK(StoreTop100(dir, kBestVerb, withNew, kMarkerExercise));
    const std::vector<Text> stored = LoadSorted(dir, kBestVerb);
    FUZZ_CHECK(counts(stored.size(), std::min(withNew.size(), kBestListLimit)));

    // The viewer shows every record and cutting one leaves the others.
    std::vector<Text> shown = ShowList(dir, kBestVerb);
    FUZZ_CHECK(counts(shown.size(), stored.size()));
    if (!shown.empty()) {
        const int index = size > 0 ? data[0] % static_cast<int>(shown.size()) : 0;
        FUZZ_CHECK(DeleteEntry(dir, kBestVerb, shown, index));
        const std::size_t left = ShowList(dir, kBestVerb).size();
        FUZZ_CHECK(counts(left, shown.size()));
    }
    FUZZ_CHECK(ClearList(dir, kBestVerb));
    FUZZ_CHECK(LoadSorted(dir, kBestVerb).empty());
    return 0;
}
