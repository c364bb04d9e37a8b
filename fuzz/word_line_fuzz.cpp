// The word-line functions on any line a teacher's editor could leave: the clean word has no
// marks, the explanation is the end of the line, the marked word its beginning, and every
// selection answers.

#include "core/encoding.h"
#include "core/word_lists.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tamurik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const Text& line : SplitLines(DecodeFileText(bytes))) {
        const Text clean = CleanWord(line);
        FUZZ_CHECK(clean.find_first_of(U"123.-= ") == Text::npos);
        const Text explanation = Explanation(line);
        FUZZ_CHECK(explanation.size() <= line.size());
        FUZZ_CHECK(
            line.compare(line.size() - explanation.size(), explanation.size(), explanation) == 0);
        const Text marked = MarkedWord(line);
        FUZZ_CHECK(line.compare(0, marked.size(), marked) == 0);
        FUZZ_CHECK(marked.find(U' ') == Text::npos);
        (void)IsRare(line);
        for (int w = 0; w < 3; ++w)
            for (int s = 0; s < 3; ++s)
                (void)MatchesSelection(line, static_cast<Verbenwahl>(w),
                                       static_cast<Stammvokal>(s));
    }
    return 0;
}
