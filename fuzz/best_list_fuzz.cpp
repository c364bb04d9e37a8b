// The best-list files as a crash or an editor may leave them: reading, sorting, adding a
// result, keeping the first hundred, and the settings screen's viewer lose no record and keep
// the file readable.

#include "core/best_lists.h"
#include "fuzz/fuzz_check.h"

#include <unistd.h>

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
    for (int minutes = 1; minutes <= 5; ++minutes)
        (void)LoadForTime(dir, minutes);

    // A result is added and the first hundred kept: the new record is in the file.
    const Text record = QuatschRecord(3, 42, U"05.12.2026", U"Fuzz");
    FUZZ_CHECK(AppendResult(dir, kBestVerb, record));
    std::vector<Text> withNew = LoadSorted(dir, kBestVerb);
    FUZZ_CHECK(withNew.size() == sorted.size() + 1);
    FUZZ_CHECK(StoreTop100(dir, kBestVerb, withNew, kMarkerExercise));
    const std::vector<Text> stored = LoadSorted(dir, kBestVerb);
    FUZZ_CHECK(stored.size() == std::min(withNew.size(), kBestListLimit));

    // The viewer shows every record and cutting one leaves the others.
    std::vector<Text> shown = ShowList(dir, kBestVerb);
    FUZZ_CHECK(shown.size() == stored.size());
    if (!shown.empty()) {
        const int index = size > 0 ? data[0] % static_cast<int>(shown.size()) : 0;
        FUZZ_CHECK(DeleteEntry(dir, kBestVerb, shown, index));
        FUZZ_CHECK(ShowList(dir, kBestVerb).size() == stored.size() - 1);
    }
    FUZZ_CHECK(ClearList(dir, kBestVerb));
    FUZZ_CHECK(LoadSorted(dir, kBestVerb).empty());
    return 0;
}
