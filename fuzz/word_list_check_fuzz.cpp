// The word-list checker on any file: it reports, in line order and within the file, and
// never crashes, for every kind of list (one kind per input).

#include "core/word_list_check.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tamurik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // One kind of list per input, by its length: every byte stays the file's, and the fuzzer
    // reaches all three kinds by making a file a byte longer or shorter.
    const WordListKind kinds[] = {WordListKind::Verbs, WordListKind::Rhymes,
                                  WordListKind::RealVerbs};
    int previous = 0;
    for (const WordListProblem& problem : CheckWordFile(bytes, kinds[size % 3])) {
        FUZZ_CHECK(problem.line >= previous);
        FUZZ_CHECK(!problem.message.empty());
        previous = problem.line;
    }
    return 0;
}
