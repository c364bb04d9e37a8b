// The present-tense forms of any word: a word that gets forms gets all four, none empty, and
// the infinitive is the word asked.

#include "core/conjugation.h"
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
        for (const Text& verb : {line, CleanWord(line)}) {
            const auto forms = Conjugate(verb);
            if (!forms)
                continue;
            FUZZ_CHECK(forms->infinitive == verb);
            FUZZ_CHECK(!forms->ich.empty() && !forms->du.empty() && !forms->er.empty());
            (void)IsSkippedVerb(verb);
        }
    }
    return 0;
}
